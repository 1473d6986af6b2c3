#pragma once
// The about box: product name, version and maker.

#include <QDialog>

class TfmSobre : public QDialog {
    Q_OBJECT
public:
    explicit TfmSobre(QWidget *parent = nullptr);
};
