#include "data/CifraSenha.h"

namespace {
// Position = digit.
constexpr char16_t kLetras[] = u"ZLGOSYEUAC";
} // namespace

QString CifraSenha(const QString &senha) {
    QString out = senha;
    for (QChar &c : out)
        if (c >= u'0' && c <= u'9')
            c = QChar(kLetras[c.unicode() - u'0']);
    return out;
}

QString DecifraSenha(const QString &senha) {
    QString out = senha;
    for (QChar &c : out)
        for (int d = 0; d < 10; ++d)
            if (c == QChar(kLetras[d])) {
                c = QChar(char16_t(u'0' + d));
                break;
            }
    return out;
}
