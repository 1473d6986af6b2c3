#pragma once
// The splash window of the start: a picture with a progress bar across its
// bottom, shown only while the database is being created.

#include <QWidget>

class QProgressBar;

class TfmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfmSplash(QWidget *parent = nullptr);

    // Shows the bar at `posicao` and repaints at once.
    void mostraProgresso(int posicao);
    void escondeProgresso();

    QProgressBar *ProgressBar;
};
