#include "platform/dataset/EditMask.h"

#include <QStringList>

namespace drav::ds {

namespace {

// Input characters of the platform's masks and their QLineEdit equivalents
// (the two notations swap the meaning of 0 and 9).
QChar qtInputChar(QChar c) {
    switch (c.unicode()) {
    case u'0': return u'9';
    case u'9': return u'0';
    case u'#': return u'#';
    case u'L': return u'A';
    case u'l': return u'a';
    case u'A': return u'N';
    case u'a': return u'n';
    case u'C': return u'X';
    case u'c': return u'x';
    default: return QChar();
    }
}

bool isQtMeta(QChar c) { return QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}").contains(c); }

// Splits "pattern;save;blank" at the last two unescaped semicolons.
QStringList splitMask(const QString &mask) {
    QStringList parts;
    QString current;
    for (int i = 0; i < mask.size(); ++i) {
        if (mask[i] == u'\\' && i + 1 < mask.size()) {
            current += mask[i];
            current += mask[++i];
        } else if (mask[i] == u';' && parts.size() < 2) {
            parts << current;
            current.clear();
        } else {
            current += mask[i];
        }
    }
    parts << current;
    return parts;
}

} // namespace

EditMask::EditMask(const QString &mask) : text_(mask) {
    const QStringList parts = splitMask(mask);
    pattern_ = parts.value(0);
    if (parts.size() > 1 && !parts[1].isEmpty())
        saveLiterals_ = parts[1] != u"0";
    if (parts.size() > 2 && !parts[2].isEmpty())
        blank_ = parts[2][0];
    for (int i = 0; i < pattern_.size(); ++i) {
        const QChar c = pattern_[i];
        if (c == u'!' || c == u'>' || c == u'<') {
            if (c != u'!')
                qtMask_ += c;
            continue;
        }
        if (c == u'\\' && i + 1 < pattern_.size()) {
            const QChar lit = pattern_[++i];
            slots_.push_back({lit, true});
            qtMask_ += isQtMeta(lit) ? QString(u'\\') + lit : QString(lit);
            continue;
        }
        const QChar input = qtInputChar(c);
        slots_.push_back({c, input.isNull()});
        qtMask_ += !input.isNull() ? QString(input) : isQtMeta(c) ? QString(u'\\') + c : QString(c);
    }
}

QString EditMask::inputMask() const {
    return isEmpty() ? QString() : qtMask_ + u';' + blank_;
}

QString EditMask::valueOf(const QString &typed) const {
    if (isEmpty())
        return typed;
    QString out;
    for (std::size_t i = 0; i < slots_.size() && i < std::size_t(typed.size()); ++i) {
        const QChar c = typed[int(i)];
        if (slots_[i].literal) {
            if (saveLiterals_)
                out += c;
        } else if (c == blank_) {
            out += saveLiterals_ ? QStringLiteral(" ") : QString();
        } else {
            out += c;
        }
    }
    while (out.endsWith(u' '))
        out.chop(1);
    return out;
}

QString EditMask::textOf(const QString &value) const {
    if (isEmpty() || saveLiterals_)
        return value;
    QString out;
    int next = 0;
    for (const Slot &s : slots_) {
        if (s.literal)
            out += s.ch;
        else
            out += next < value.size() ? value[next++] : blank_;
    }
    return out;
}

bool EditMask::isBlank(const QString &typed) const {
    if (isEmpty())
        return typed.trimmed().isEmpty();
    for (std::size_t i = 0; i < slots_.size() && i < std::size_t(typed.size()); ++i)
        if (!slots_[i].literal && isTyped(typed[int(i)]))
            return false;
    // Text beyond the mask (a value pasted whole) counts as typed.
    return typed.size() <= int(slots_.size()) || typed.mid(int(slots_.size())).trimmed().isEmpty();
}

} // namespace drav::ds
