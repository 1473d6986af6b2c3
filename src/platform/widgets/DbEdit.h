#pragma once
// A line edit bound to a field. While the row is browsed, or the control has
// no focus, it shows the field's display text; focused while the row is
// edited it shows the edit text, under the field's edit mask. What the user
// typed is written through Field::setText when the control loses the focus
// and when the data source asks its controls to update the record (before a
// post).

#include "platform/widgets/FieldLink.h"

#include <QLineEdit>

namespace drav::ui {

enum class CharCase { Normal, Upper, Lower };

class DbEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DbEdit(QWidget *parent = nullptr);

    DataSource *dataSource() const { return link_->dataSource(); }
    void setDataSource(DataSource *source) { link_->setDataSource(source); }
    const QString &dataField() const { return link_->fieldName(); }
    void setDataField(const QString &name) { link_->setFieldName(name); }
    ds::Field *field() const { return link_->field(); }

    CharCase charCase() const { return charCase_; }
    void setCharCase(CharCase charCase);
    // Never writable, whatever the dataset's state.
    bool dataReadOnly() const { return dataReadOnly_; }
    void setDataReadOnly(bool readOnly);
    // 0: the field's size limits the text.
    void setMaxTextLength(int length);

    bool isModified() const { return modified_; }
    // Writes the typed text into the field, when it was changed.
    void writeField();
    // Shows the field again, dropping what was typed.
    void refresh();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onTextEdited(const QString &text);
    bool showsEditText() const;
    void applyLimits(const ds::Field *field, bool editing);
    QString typedText() const;

    FieldLink *link_;
    CharCase charCase_ = CharCase::Normal;
    bool dataReadOnly_ = false;
    int maxTextLength_ = 0;
    bool modified_ = false;
};

// True for a key press that would change the text of an editor.
bool isEditingKey(const QKeyEvent *event);
// The text forced to the case asked for.
QString applyCharCase(const QString &text, CharCase charCase);

} // namespace drav::ui
