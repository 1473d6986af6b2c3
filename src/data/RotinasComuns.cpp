#include "data/RotinasComuns.h"

#include "platform/dialogs/Dialogs.h"

#include <algorithm>
#include <iterator>

namespace {

int valorDigito(QChar c) { return int(c.unicode()) - int(u'0'); }

bool soDigitos(const QString &texto) {
    return std::all_of(texto.begin(), texto.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// ------------------------------------------------------------ CPF and CNPJ

// Modulo-11 check digit; `peso(i)` is the weight of the i-th digit counted
// from the right (0 = the rightmost).
template <typename Peso>
int digitoModulo11(const QString &digitos, Peso peso) {
    int soma = 0;
    for (qsizetype i = 0; i < digitos.size(); ++i)
        soma += valorDigito(digitos[digitos.size() - 1 - i]) * peso(int(i));
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

template <typename Peso>
QString doisDigitos(const QString &base, Peso peso) {
    const int primeiro = digitoModulo11(base, peso);
    const QString comPrimeiro = base + QString::number(primeiro);
    const int segundo = digitoModulo11(comPrimeiro, peso);
    return QString::number(primeiro) + QString::number(segundo);
}

int pesoCPF(int posicao) { return 2 + posicao; }
int pesoCNPJ(int posicao) { return 2 + posicao % 8; }

// ------------------------------------------------------------------ CNH

int somaPonderada(const QString &digitos, int pesoInicial) {
    int soma = 0;
    for (int i = 0; i < 8; ++i)
        soma += valorDigito(digitos[i]) * (pesoInicial - i);
    return soma;
}

// 0 and 1 become 0; 10 stays, and then matches no digit.
int digitoCNH(int soma) {
    const int c = (10 * soma) % 11;
    return c < 2 ? 0 : c;
}

// ------------------------------------------------------------------ e-mail

bool letra(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool letraOuDigito(char16_t c) { return letra(c) || (c >= u'0' && c <= u'9'); }

bool atomo(char16_t c) {
    static const QString simbolos = QStringLiteral("!#$%&'*+-=?^_`{|}~");
    return (c >= 128 && c <= 255) || letraOuDigito(c) || simbolos.contains(QChar(c));
}

constexpr int kSemTransicao = -1;

enum Estado {
    Inicio = 0,
    Palavra = 1,
    Aspas = 2,
    AposBarra = 3,
    AposAspas = 4,
    AposPonto = 5,
    InicioRotulo = 6,
    Rotulo = 7,
    AposHifen = 8,
};

int proximoEstadoLocal(int estado, char16_t c) {
    switch (estado) {
    case Inicio:
    case AposPonto:
        if (atomo(c)) return Palavra;
        if (c == u'"') return Aspas;
        return kSemTransicao;
    case Palavra:
        if (c == u'@') return InicioRotulo;
        if (c == u'.') return AposPonto;
        if (atomo(c)) return Palavra;
        return kSemTransicao;
    case Aspas:
        if (c == u'\\') return AposBarra;
        if (c == u'"') return AposAspas;
        if (c == u'\r') return kSemTransicao;
        return Aspas;
    case AposBarra:
        return Aspas;
    case AposAspas:
        if (c == u'@') return InicioRotulo;
        if (c == u'.') return AposPonto;
        return kSemTransicao;
    }
    return kSemTransicao;
}

int proximoEstadoDominio(int estado, char16_t c) {
    switch (estado) {
    case InicioRotulo:
        return letra(c) ? Rotulo : kSemTransicao;
    case Rotulo:
        if (c == u'.') return InicioRotulo;
        if (c == u'-') return AposHifen;
        return letraOuDigito(c) ? Rotulo : kSemTransicao;
    case AposHifen:
        if (c == u'-') return AposHifen;
        return letraOuDigito(c) ? Rotulo : kSemTransicao;
    }
    return kSemTransicao;
}

int proximoEstado(int estado, char16_t c) {
    return estado < InicioRotulo ? proximoEstadoLocal(estado, c) : proximoEstadoDominio(estado, c);
}

// ------------------------------------------------------------------ CEP

struct FaixaCEP {
    const char *uf;
    int de, ate;  // prefixes of three digits, inclusive
};

constexpr FaixaCEP kFaixas[] = {
    {"SP", 10, 199},  {"RJ", 200, 289}, {"ES", 290, 299}, {"MG", 300, 399}, {"BA", 400, 489},
    {"SE", 490, 499}, {"PE", 500, 569}, {"AL", 570, 579}, {"PB", 580, 589}, {"RN", 590, 599},
    {"CE", 600, 639}, {"PI", 640, 649}, {"MA", 650, 659}, {"PA", 660, 688}, {"AP", 689, 689},
    {"AM", 690, 692}, {"AM", 694, 698}, {"RR", 693, 693}, {"AC", 699, 699}, {"DF", 0, 999},
    {"GO", 0, 999},   {"TO", 770, 779}, {"MT", 780, 788}, {"RO", 789, 789}, {"MS", 790, 799},
    {"PR", 800, 879}, {"SC", 880, 899}, {"RS", 900, 999},
};

bool prefixoDoEstado(int prefixo, const QString &uf) {
    return std::any_of(std::begin(kFaixas), std::end(kFaixas), [&](const FaixaCEP &f) {
        return uf == QLatin1String(f.uf) && prefixo >= f.de && prefixo <= f.ate;
    });
}

bool recusaCEPMinimo() {
    drav::dlg::message(QStringLiteral("Aviso"), QStringLiteral("CEP tem que ser maior que [01000-000]"),
                       drav::dlg::Icon::Critical, drav::dlg::Ok);
    return false;
}

} // namespace

QString DigitosCPF(const QString &base) { return doisDigitos(base, pesoCPF); }

QString DigitosCNPJ(const QString &base) { return doisDigitos(base, pesoCNPJ); }

bool ValidaCPF(const QString &numero) { return numero.mid(9, 2) == DigitosCPF(numero.left(9)); }

bool ValidaCNPJ(const QString &numero) { return numero.mid(12, 2) == DigitosCNPJ(numero.left(12)); }

bool ValidaCNH(const QString &numero) {
    const QString digitos = numero.startsWith(u'0') ? numero.mid(1, 10) : numero;
    if (digitos.size() < 8 || !soDigitos(digitos))
        return false;
    const int ultimo = valorDigito(digitos.back());
    const int penultimo = valorDigito(digitos[digitos.size() - 2]);

    const int c1 = digitoCNH(somaPonderada(digitos, 9));
    if (c1 != ultimo)
        return false;
    const int c2 = digitoCNH(somaPonderada(digitos, 10) + 2 * c1);
    return c2 == penultimo;
}

bool ValidaEmail(const QString &endereco) {
    int estado = Inicio;
    int rotulos = 1;
    for (QChar c : endereco) {
        const int proximo = proximoEstado(estado, c.unicode());
        if (proximo == kSemTransicao)
            return false;  // a character left over
        if (estado == Rotulo && proximo == InicioRotulo)
            ++rotulos;
        estado = proximo;
    }
    return estado == Rotulo && rotulos >= 2;
}

bool ValidaCEP(const QString &cep, const QString &uf) {
    const QString codigo = cep.left(5) + cep.mid(5, 3);
    if (codigo.trimmed().isEmpty())
        return true;
    // Not a number: the same refusal as a code below the first one.
    if (!soDigitos(codigo) || codigo.toInt() <= 1000000)
        return recusaCEPMinimo();
    if (codigo.mid(5, 3).trimmed().size() < 3)
        return false;
    return prefixoDoEstado(codigo.left(3).toInt(), uf);
}
