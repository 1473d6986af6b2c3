// The screens of every subsystem, registered with the main window's catalogue.
// Each screen adds one line here, for example:
//     catalogo.registraForm(QStringLiteral("TFGleba"),
//                           [](QWidget *dono) { return std::make_unique<TFGleba>(dono); });
#include "app/CatalogoTelas.h"

#include "app/TFLoginEmpresa.h"
#include "app/TfmLogin.h"
#include "app/TfmSobre.h"
#include "data/TdmDados.h"
#include "labour/TFEmpresa.h"
#include "labour/TFParametro.h"
#include "reports/ListagensCadastro.h"
#include "reports/Listagem.h"

#include <QDialog>

void registraTelasDoSistema() {
    CatalogoTelas &catalogo = CatalogoTelas::instancia();
    catalogo.registraForm(QStringLiteral("TfmSobre"),
                          [](QWidget *dono) { return std::make_unique<TfmSobre>(dono); });
    catalogo.registraForm(QStringLiteral("TfmLogin"),
                          [](QWidget *dono) { return std::make_unique<TfmLogin>(*dmDados, dono); });
    catalogo.registraForm(QStringLiteral("TFLoginEmpresa"),
                          [](QWidget *dono) { return std::make_unique<TFLoginEmpresa>(*dmDados, dono); });
    catalogo.registraListagem(QStringLiteral("TFrVariedade"), listagemDe<TFrVariedade>());
    catalogo.registraListagem(QStringLiteral("TFrTurma"), listagemDe<TFrTurma>());
    catalogo.registraListagem(QStringLiteral("TFrGleba"), listagemDe<TFrGleba>());
    catalogo.registraListagem(QStringLiteral("TFrOperacao"), listagemDe<TFrOperacao>());
    catalogo.registraForm(QStringLiteral("TFEmpresa"),
                          [](QWidget *dono) { return std::make_unique<TFEmpresa>(dono); });
    catalogo.registraForm(QStringLiteral("TFParametro"),
                          [](QWidget *dono) { return std::make_unique<TFParametro>(dono); });
}
