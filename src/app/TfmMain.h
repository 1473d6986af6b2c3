#pragma once
// The main window: a launcher of six picture buttons with captions, five of
// which open popup menus whose entries open the screens of the catalogue
// (CatalogoTelas), and a status bar with the current company, harvest, user
// and date.

#include <QMainWindow>
#include <QPoint>

#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class TDravBitmapButton;
class TdmDados;

class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmMain(TdmDados &dados, QWidget *parent = nullptr);

    // The interactive start run on creation: login, formats, company and
    // harvest, status bar. False when the program is to end.
    bool inicia();

    // Refills status panels 1 to 3 with the current company, harvest and user.
    void atualizaPaineis();
    // Status panel text, 1 to 4.
    QString painel(int numero) const;

    // Where the popup of a launcher opens: the picture's place in the client
    // area plus the whole window's top-left (frame included) plus `desvio`.
    QPoint posicaoMenu(const QWidget *imagem, QPoint desvio) const;

    // Opens a screen of the catalogue as a menu entry does: a form is created,
    // `opcao` (when not -1) goes into OpcaoRelatorio, the form is prepared,
    // shown modally and destroyed; a listing report runs with `mensagemVazia`.
    void abreTela(const QString &classe, int opcao = -1, const QString &mensagemVazia = {});
    // Enables each menu entry whose screen is registered.
    void atualizaEntradas();

    QMenu *pmCadastros = nullptr;
    QMenu *pmRelatorios = nullptr;
    QMenu *pmUtilitarios = nullptr;
    QMenu *pmAbastece = nullptr;
    QMenu *pmFinanceiro = nullptr;

    TDravBitmapButton *ImgCadastro = nullptr;
    TDravBitmapButton *imgRelatorios = nullptr;
    TDravBitmapButton *imgUtilitarios = nullptr;
    TDravBitmapButton *imgAbastece = nullptr;
    TDravBitmapButton *imgFinanceiro = nullptr;
    TDravBitmapButton *imgMini = nullptr;

    QToolButton *spCadastros = nullptr;
    QToolButton *spRelatorios = nullptr;
    QToolButton *spUtilitarios = nullptr;
    QToolButton *spAbastece = nullptr;
    QToolButton *spFinanceiro = nullptr;
    QToolButton *spMini = nullptr;

    QWidget *StatusBar1 = nullptr;

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    struct Lancador {
        TDravBitmapButton *&imagem;
        QToolButton *&legenda;
        const char *nomeImagem;
        const char *nomeLegenda;
        const char *texto;
        const char *figura;
        QMenu *menu;
        QPoint desvio;
    };

    void montaCabecalho(QWidget *cliente);
    void montaMenus();
    void montaLancadores(QWidget *cliente);
    void montaLancador(QWidget *cliente, const Lancador &l, QPoint onde);
    void montaRodape(QWidget *cliente);
    void montaStatusBar(QWidget *cliente);
    void abreEntrada(QAction *entrada);
    void abreMenu(QMenu *menu, const QWidget *imagem, QPoint desvio);
    void abreTelaDaSessao(const QString &classe);

    TdmDados &dados_;
    std::vector<QLabel *> paineis_;
    std::vector<QMenu *> menus_;
};
