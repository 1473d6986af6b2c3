#pragma once
// The password scrambling of the settings file: each decimal digit becomes a
// fixed capital letter and back; every other character is kept. Same length
// in and out, case-sensitive (lower-case letters are never changed).

#include <QString>

QString CifraSenha(const QString &senha);
QString DecifraSenha(const QString &senha);
