#pragma once
// The screens the main window can open, by class name ("TFEmpresa",
// "TFrProducao", ...). Each screen's folder registers it once at start (see
// TelasDoSistema.cpp); a menu entry whose screen is not registered stays
// disabled.
//
// Two kinds of screen:
//  - a form: created, then `OpcaoRelatorio` is written (when the entry
//    carries a value) and the form's preparation runs, then it is shown
//    modally and destroyed;
//  - a listing report: one call that does everything itself (opens its query
//    for the current company, shows the entry's empty message or the preview).

#include <QString>

#include <functional>
#include <map>
#include <memory>

class QDialog;
class QWidget;

class CatalogoTelas {
public:
    using Criacao = std::function<std::unique_ptr<QDialog>(QWidget *dono)>;
    // Runs after `OpcaoRelatorio` is written and before the form is shown;
    // `opcao` is the entry's value, or -1 when it has none.
    using Preparo = std::function<void(QDialog &form, int opcao)>;
    using Listagem = std::function<void(QWidget *dono, const QString &mensagemVazia)>;

    struct Tela {
        Criacao cria;
        Preparo prepara;
        Listagem lista;
    };

    static CatalogoTelas &instancia();

    void registraForm(const QString &classe, Criacao cria, Preparo prepara = {});
    void registraListagem(const QString &classe, Listagem lista);
    void remove(const QString &classe);
    // Forgets every screen (tests start each case from an empty catalogue).
    void limpa() { telas_.clear(); }

    bool contem(const QString &classe) const;
    // Null when the class is not registered.
    const Tela *tela(const QString &classe) const;

private:
    std::map<QString, Tela> telas_;
};

// Registers every screen of the program (called once by the entry sequence).
void registraTelasDoSistema();
