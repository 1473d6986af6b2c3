#pragma once
// A Windows-style INI file kept as its lines. Section and key names compare
// case-insensitively; values are raw text (no quoting, escaping or lists).
// Every write goes to disk at once, keeping the other lines and their order;
// a new key goes at the end of its section, a new section at the end of the
// file. Lines end with CRLF.

#include <QString>
#include <QStringList>

namespace drav {

class IniFile {
public:
    explicit IniFile(QString path);

    const QString &path() const { return path_; }
    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // The value as an integer; `defaultValue` when absent or not a number.
    int readInteger(const QString &section, const QString &key, int defaultValue = 0) const;

    // Throws std::runtime_error when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    // Re-reads the file from disk.
    void reload();

private:
    int findSection(const QString &section) const;  // line index of "[section]" or -1
    int sectionEnd(int sectionLine) const;          // index after its last line
    int findKey(int sectionLine, const QString &key) const;
    void save() const;

    QString path_;
    QStringList lines_;
};

} // namespace drav
