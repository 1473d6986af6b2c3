#pragma once
// The connect procedure's screens: the connection dialog and the splash's
// progress bar.

#include "data/TdmDados.h"

class TfmSplash;

class ConexaoInterativa final : public InterfaceConexao {
public:
    explicit ConexaoInterativa(TfmSplash &splash) : splash_(splash) {}
    std::optional<DadosConexao> pedeConexao() override;
    void mostraProgresso(int posicao) override;
    void escondeProgresso() override;

private:
    TfmSplash &splash_;
};
