#pragma once
// Routines the register forms share: loading a tree of up to three levels
// from master-detail datasets, finding a node of such a tree by its text, and
// pointing a form's dataset actions at another data source.

#include "platform/dataset/Dataset.h"
#include "platform/widgets/DataActions.h"
#include "platform/widgets/DataSource.h"

#include <QMetaType>

class QTreeWidget;
class QTreeWidgetItem;

Q_DECLARE_METATYPE(drav::ds::Bookmark)

// Roles of a node: the bookmark of its row and its image index (0 a top node
// without children, 1 a top node with children, 2 a lower node).
constexpr int PapelMarcador = Qt::UserRole + 1;
constexpr int PapelImagem = Qt::UserRole + 2;

// The level-2 dataset is a detail of level 1, level 3 (optional, null) a
// detail of level 2; level-3 rows go under the level-2 node while their
// `campoLigacao3` equals its `campoChave2`. An empty level 1 leaves the tree
// as it was; a failure shows "Falha ao abrir as Tabelas e Carregar a árvore".
void CarregaArvore(QTreeWidget *arvore, drav::ui::DataSource *nivel1, drav::ui::DataSource *nivel2,
                   drav::ui::DataSource *nivel3, const QString &campoChave2, const QString &campoLigacao3,
                   const QString &texto1, const QString &texto2, const QString &texto3);

// The first node, in display order, whose text is exactly `texto`; null when
// none. With `rola`, its parents are expanded and it is scrolled into view.
QTreeWidgetItem *LocalizaNo(QTreeWidget *arvore, const QString &texto, bool rola);

// The bookmark kept in a node (null bookmark when none).
drav::ds::Bookmark MarcadorDoNo(const QTreeWidgetItem *no);

// Every dataset action of `lista` acts on `fonte` from now on; other actions
// stay as they are.
void AtribuiFonteAcoes(drav::ui::DataSource *fonte, drav::ui::ActionList *lista);
