#pragma once
// The register listings opened straight from the main menu: varieties,
// teams, plots and operations of the current company.

#include "reports/TFormRelatorio.h"

class TFrVariedade : public TFormRelatorio {
public:
    explicit TFrVariedade(TdmDados &dados);
};

class TFrTurma : public TFormRelatorio {
public:
    explicit TFrTurma(TdmDados &dados);
};

// Plots with the name of their variety; a plot whose variety is not
// registered in its company is not listed.
class TFrGleba : public TFormRelatorio {
public:
    explicit TFrGleba(TdmDados &dados);
};

// Operations with the name of their group; one whose group does not exist is
// not listed.
class TFrOperacao : public TFormRelatorio {
public:
    explicit TFrOperacao(TdmDados &dados);
};
