#include "platform/ini/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <stdexcept>

namespace drav {

namespace {

QString sectionName(const QString &line) {
    const QString t = line.trimmed();
    if (t.startsWith(u'[')) {
        const int close = t.indexOf(u']');
        if (close > 0)
            return t.mid(1, close - 1).trimmed();
    }
    return {};
}

bool isSection(const QString &line) { return line.trimmed().startsWith(u'[') && line.contains(u']'); }

// "key=value": the key before the first '=', trimmed.
QString keyOf(const QString &line) {
    const int eq = line.indexOf(u'=');
    if (eq <= 0)
        return {};
    const QString t = line.trimmed();
    if (t.startsWith(u';'))
        return {};
    return line.left(eq).trimmed();
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) { reload(); }

void IniFile::reload() {
    lines_.clear();
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = f.readAll();
    // Files written by hand on Windows are ANSI; ours are UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    lines_ = text.split(u'\n');
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
}

int IniFile::findSection(const QString &section) const {
    for (int i = 0; i < lines_.size(); ++i)
        if (isSection(lines_[i]) && sectionName(lines_[i]).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const {
    int i = sectionLine + 1;
    while (i < lines_.size() && !isSection(lines_[i]))
        ++i;
    // Keep blank lines that separate sections after the new keys.
    while (i > sectionLine + 1 && lines_[i - 1].trimmed().isEmpty())
        --i;
    return i;
}

int IniFile::findKey(int sectionLine, const QString &key) const {
    for (int i = sectionLine + 1; i < lines_.size() && !isSection(lines_[i]); ++i)
        if (keyOf(lines_[i]).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool IniFile::sectionExists(const QString &section) const { return findSection(section) >= 0; }

bool IniFile::valueExists(const QString &section, const QString &key) const {
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const {
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k < 0)
        return defaultValue;
    const QString &line = lines_[k];
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const {
    bool ok = false;
    const int v = readString(section, key).toInt(&ok);
    return ok ? v : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value) {
    const QString entry = key + u'=' + value;
    int s = findSection(section);
    if (s < 0) {
        lines_ << u'[' + section + u']';
        s = int(lines_.size()) - 1;
    }
    const int k = findKey(s, key);
    if (k >= 0)
        lines_[k] = entry;
    else
        lines_.insert(sectionEnd(s), entry);
    save();
}

void IniFile::writeInteger(const QString &section, const QString &key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::save() const {
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("Não foi possível gravar " + path_.toStdString() + ": " +
                                 f.errorString().toStdString());
    for (const QString &line : lines_)
        f.write(line.toUtf8() + "\r\n");
    if (!f.commit())
        throw std::runtime_error("Não foi possível gravar " + path_.toStdString() + ": " +
                                 f.errorString().toStdString());
}

} // namespace drav
