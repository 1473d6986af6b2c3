#pragma once
// An edit mask in the platform's notation, "<pattern>;<save literals>;<blank>",
// as in "!99/99/0000;1;_" or "00000\-999;0;_".
//   pattern: 0 digit, 9 optional digit, # digit or sign, L/l letter, A/a letter
//            or digit, C/c any character (upper case = required); > and < set
//            the case, ! only trims; \ makes the next character a literal;
//            any other character is a literal.
//   save literals: 1 (default) keeps the literals in the stored value, 0 keeps
//            only what was typed.
//   blank: the character shown in empty positions (default _).

#include <QString>

#include <vector>

namespace drav::ds {

class EditMask {
public:
    EditMask() = default;
    explicit EditMask(const QString &mask);

    bool isEmpty() const { return slots_.empty(); }
    const QString &text() const { return text_; }
    const QString &pattern() const { return pattern_; }
    bool saveLiterals() const { return saveLiterals_; }
    QChar blank() const { return blank_; }

    // The same mask in QLineEdit::setInputMask notation.
    QString inputMask() const;
    // The value to store for a text typed through the mask: blanks dropped,
    // literals kept or dropped by the save-literals flag, trailing spaces cut.
    QString valueOf(const QString &typed) const;
    // The text to show for a stored value (literals put back when not stored).
    QString textOf(const QString &value) const;
    // True when nothing was typed in any input position.
    bool isBlank(const QString &typed) const;

private:
    struct Slot {
        QChar ch;
        bool literal = false;
    };
    bool isTyped(QChar c) const { return c != blank_ && c != u' '; }

    QString text_;
    QString pattern_;
    bool saveLiterals_ = true;
    QChar blank_ = u'_';
    std::vector<Slot> slots_;
    QString qtMask_;
};

} // namespace drav::ds
