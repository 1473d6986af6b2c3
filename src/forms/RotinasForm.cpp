#include "forms/RotinasForm.h"

#include "platform/dialogs/Dialogs.h"

#include <QApplication>
#include <QStyle>
#include <QTreeWidget>

namespace ds = drav::ds;
namespace ui = drav::ui;

namespace {

QIcon imagemDoNo(int indice) {
    const QStyle *s = QApplication::style();
    switch (indice) {
    case 0:
        return s->standardIcon(QStyle::SP_DirClosedIcon);
    case 1:
        return s->standardIcon(QStyle::SP_DirOpenIcon);
    default:
        return s->standardIcon(QStyle::SP_FileIcon);
    }
}

QTreeWidgetItem *novoNo(const ds::Dataset &dados, const QString &campoTexto, int imagem) {
    auto *no = new QTreeWidgetItem(QStringList{dados.fieldByName(campoTexto).asString()});
    no->setData(0, PapelMarcador, QVariant::fromValue(dados.bookmark()));
    no->setData(0, PapelImagem, imagem);
    no->setIcon(0, imagemDoNo(imagem));
    return no;
}

void abrePrimeiro(ds::Dataset *dados) {
    if (!dados)
        return;
    if (!dados->isActive())
        dados->open();
    dados->first();
}

void carregaNivel3(QTreeWidgetItem *pai, ds::Dataset &n2, ds::Dataset &n3, const QString &campoChave2,
                   const QString &campoLigacao3, const QString &texto3) {
    const QVariant chave = n2.fieldByName(campoChave2).value();
    while (!n3.eof() && n3.fieldByName(campoLigacao3).value() == chave) {
        pai->addChild(novoNo(n3, texto3, 2));
        n3.next();
    }
}

// The datasets of the three levels; level 3 may be missing.
struct Niveis {
    ds::Dataset *n1, *n2, *n3;
};

void carrega(QTreeWidget *arvore, const Niveis &d, const QString &campoChave2, const QString &campoLigacao3,
             const QString &texto1, const QString &texto2, const QString &texto3) {
    abrePrimeiro(d.n1);
    abrePrimeiro(d.n2);
    abrePrimeiro(d.n3);
    for (d.n1->first(); !d.n1->eof(); d.n1->next()) {
        auto *topo = novoNo(*d.n1, texto1, d.n2->isEmpty() ? 0 : 1);
        arvore->addTopLevelItem(topo);
        for (d.n2->first(); !d.n2->eof(); d.n2->next()) {
            auto *filho = novoNo(*d.n2, texto2, 2);
            topo->addChild(filho);
            if (d.n3) {
                if (!d.n3->isActive())
                    abrePrimeiro(d.n3);
                carregaNivel3(filho, *d.n2, *d.n3, campoChave2, campoLigacao3, texto3);
            }
        }
    }
    d.n1->first();
}

QTreeWidgetItem *procura(QTreeWidgetItem *no, const QString &texto) {
    if (no->text(0) == texto)
        return no;
    for (int i = 0; i < no->childCount(); ++i)
        if (QTreeWidgetItem *achado = procura(no->child(i), texto))
            return achado;
    return nullptr;
}

} // namespace

void CarregaArvore(QTreeWidget *arvore, ui::DataSource *nivel1, ui::DataSource *nivel2, ui::DataSource *nivel3,
                   const QString &campoChave2, const QString &campoLigacao3, const QString &texto1,
                   const QString &texto2, const QString &texto3) {
    const Niveis d{nivel1 ? nivel1->dataset() : nullptr, nivel2 ? nivel2->dataset() : nullptr,
                   nivel3 ? nivel3->dataset() : nullptr};
    bool cursor = false;
    try {
        if (!d.n1 || !d.n2)
            throw ds::DatasetError(QStringLiteral("árvore sem as tabelas dos níveis"));
        if (!d.n1->isActive())
            d.n1->open();
        if (d.n1->isEmpty())
            return;
        arvore->clear();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cursor = true;
        carrega(arvore, d, campoChave2, campoLigacao3, texto1, texto2, texto3);
        QApplication::restoreOverrideCursor();
    } catch (const std::exception &) {
        if (cursor)
            QApplication::restoreOverrideCursor();
        drav::dlg::message(QStringLiteral("Aviso"), QStringLiteral("Falha ao abrir as Tabelas e Carregar a árvore"),
                           drav::dlg::Icon::Warning);
    }
}

QTreeWidgetItem *LocalizaNo(QTreeWidget *arvore, const QString &texto, bool rola) {
    for (int i = 0; i < arvore->topLevelItemCount(); ++i) {
        if (QTreeWidgetItem *achado = procura(arvore->topLevelItem(i), texto)) {
            if (rola) {
                for (QTreeWidgetItem *pai = achado->parent(); pai; pai = pai->parent())
                    pai->setExpanded(true);
                arvore->scrollToItem(achado);
            }
            return achado;
        }
    }
    return nullptr;
}

ds::Bookmark MarcadorDoNo(const QTreeWidgetItem *no) {
    return no ? no->data(0, PapelMarcador).value<ds::Bookmark>() : ds::Bookmark{};
}

void AtribuiFonteAcoes(ui::DataSource *fonte, ui::ActionList *lista) {
    for (const auto &acao : lista->actions())
        if (auto *daDataset = qobject_cast<ui::DatasetAction *>(acao.data()))
            daDataset->setDataSource(fonte);
}
