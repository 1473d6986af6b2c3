#pragma once
// The multi-criteria search dialog: the criteria (TConsulta) name the
// columns shown and offered as key fields ("N") and the tables joined ("J").
// See TFPesquisa.h for how a caller uses it.

#include "forms/TFPesquisa.h"

class TFPesquisa2 : public TFPesquisaBase {
    Q_OBJECT
public:
    explicit TFPesquisa2(QWidget *parent = nullptr);

    TConsulta Consultas;
    bool Distinto = false;
    bool MostraDemitidos = true;
    QString CondicaoExtra;  // ends with "and "

    // Builds the grid and the choices and lists every row the filters allow.
    void Prepara();
    ConfigPesquisa2 config() const;
    QString montaSql(const QString &texto) const override;
};
