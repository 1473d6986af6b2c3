#pragma once
// A plain-text memo bound to a text or blob field (notes). Writes the text as
// typed when it loses the focus and before a post.

#include "platform/widgets/FieldLink.h"

#include <QPlainTextEdit>

namespace drav::ui {

class DbMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DbMemo(QWidget *parent = nullptr);

    void setDataSource(DataSource *source) { link_->setDataSource(source); }
    DataSource *dataSource() const { return link_->dataSource(); }
    void setDataField(const QString &name) { link_->setFieldName(name); }
    const QString &dataField() const { return link_->fieldName(); }
    ds::Field *field() const { return link_->field(); }
    bool dataReadOnly() const { return dataReadOnly_; }
    void setDataReadOnly(bool readOnly);

    bool isModified() const { return modified_; }
    void writeField();
    void refresh();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    FieldLink *link_;
    bool dataReadOnly_ = false;
    bool modified_ = false;
    bool loading_ = false;
};

} // namespace drav::ui
