#pragma once
// A query over a connection that holds its rows, a current row and the state
// of that row: the shared datasets of the data module and the ad hoc queries
// of the screens.
//
//   Inactive --open--> Browse --edit--> Edit   --post/cancel--> Browse
//                             --append-> Insert --post/cancel--> Browse
//   any --close--> Inactive (an unposted row is dropped)
//
// Rows stay in the result's own buffers while they are only browsed; the row
// being edited is copied, and a posted row keeps its stored values.

#include "platform/dataset/DatasetError.h"
#include "platform/dataset/Field.h"
#include "platform/dataset/UpdateSql.h"
#include "platform/db/Connection.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace drav::ds {

enum class State { Inactive, Browse, Edit, Insert };

// A statement parameter: `:Name` in the text, matched in any letter case.
// Values stay when the dataset closes and when the text changes (by name).
class Parameter {
public:
    explicit Parameter(QString name) : name_(std::move(name)) {}
    const QString &name() const { return name_; }
    const QVariant &value() const { return value_; }
    bool isNull() const { return !value_.isValid(); }
    void setValue(const QVariant &value) { value_ = value; }
    void setAsInteger(qint64 value) { value_ = value; }
    void setAsFloat(double value) { value_ = value; }
    void setAsString(const QString &value) { value_ = value; }
    void setAsDate(const QDate &value) { value_ = value.isValid() ? QVariant(value) : QVariant(); }
    void setAsDateTime(const QDateTime &value) { value_ = value.isValid() ? QVariant(value) : QVariant(); }
    void clear() { value_ = QVariant(); }

private:
    QString name_;
    QVariant value_;
};

// A row kept to come back to. Invalid once the row is deleted or the dataset
// reopens.
struct Bookmark {
    quint64 generation = 0;
    quint64 id = 0;
    bool isNull() const { return id == 0; }
};

class Dataset;

// What an error handler decides: let the error reach the caller (Fail), or
// end the action with a SilentAbort after having shown its own message.
enum class ErrorAction { Fail, Abort };
// Post and delete errors: a db::DbError from the server, a RequiredFieldError,
// or any other exception raised while the row was written.
using ErrorHandler = std::function<ErrorAction(Dataset &, const std::exception &)>;
using DatasetHook = std::function<void(Dataset &)>;

class Dataset : public QObject {
    Q_OBJECT
public:
    explicit Dataset(db::Connection &connection, const QString &name = {}, QObject *parent = nullptr);
    ~Dataset() override;

    db::Connection &connection() const { return *conn_; }

    // Statement text, as lines. Changing it closes the dataset.
    const QStringList &sql() const { return sql_; }
    QString sqlText() const { return sql_.join(u'\n'); }
    void setSql(const QString &text);
    void setSql(const QStringList &lines);
    void addSql(const QString &line);
    void setSqlLine(int index, const QString &line);
    void clearSql();

    const std::vector<Parameter> &params() const { return params_; }
    Parameter *findParam(const QString &name);
    Parameter &paramByName(const QString &name);  // throws DatasetError when absent
    void setParam(const QString &name, const QVariant &value) { paramByName(name).setValue(value); }

    void open();
    void close();
    bool isActive() const { return state_ != State::Inactive; }
    void setActive(bool active) { active ? open() : close(); }
    // Runs the statement for its effect (no rows); returns the affected rows.
    quint64 execSql();

    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // Navigation. Moving off an edited row posts it when modified, else
    // cancels it.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const { return count_; }
    // 1-based number of the current row; 0 without one; while inserting, the
    // number the new row will have.
    int recNo() const;
    void setRecNo(int recNo);
    Bookmark bookmark() const;
    bool bookmarkValid(const Bookmark &bookmark) const { return rowOfBookmark(bookmark) >= 0; }
    void gotoBookmark(const Bookmark &bookmark);  // throws DatasetError when the row is gone
    // Moves to the first row whose fields (names separated by ";") hold
    // exactly the values given (case-sensitive); false, not moving, when none.
    bool locate(const QString &fieldNames, const QVariantList &values);
    bool locate(const QString &fieldName, const QVariant &value) { return locate(fieldName, QVariantList{value}); }

    int fieldCount() const { return int(fields_.size()); }
    Field &field(int index) const { return *fields_[std::size_t(index)]; }
    Field *findField(const QString &name) const;
    Field &fieldByName(const QString &name) const;  // throws DatasetError when absent
    // Declared field properties, applied by name at every open.
    void defineFields(std::vector<FieldDef> defs);
    FieldDef &fieldDef(const QString &name);

    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }
    bool isModified() const { return modified_; }
    void append();
    void edit();
    void post();
    void cancel();
    void remove();
    void checkBrowseMode();

    // Writes go through these statements when set (the object stays the
    // caller's); otherwise through statements made for the update table from
    // its primary key.
    void setUpdateSql(const UpdateSql *updateSql) { updateSql_ = updateSql; }
    const UpdateSql *updateSql() const { return updateSql_; }
    // The table written (default: the table of the first column that has one).
    void setUpdateTable(const QString &table);
    QString updateTable() const;

    // Parameters named like the master's fields follow its current row; the
    // detail reopens when that row changes.
    void setMaster(Dataset *master);
    Dataset *master() const { return master_; }

    void setOnNewRecord(DatasetHook hook) { onNewRecord_ = std::move(hook); }
    void setAfterInsert(DatasetHook hook) { afterInsert_ = std::move(hook); }
    void setBeforePost(DatasetHook hook) { beforePost_ = std::move(hook); }
    void setAfterPost(DatasetHook hook) { afterPost_ = std::move(hook); }
    void setOnPostError(ErrorHandler handler) { onPostError_ = std::move(handler); }
    void setOnDeleteError(ErrorHandler handler) { onDeleteError_ = std::move(handler); }

    // The row the fields read (the inserted row while inserting); -1 if none.
    int currentIndex() const;
    // Rows a grid shows: the stored rows plus the one being inserted.
    int displayRowCount() const { return count_ + (state_ == State::Insert ? 1 : 0); }
    Cell cellAt(int row, int fieldIndex) const;

Q_SIGNALS:
    void stateChanged(drav::ds::State state);
    void opened();
    void closed();
    void currentChanged(int row);     // the current row moved, or was posted
    void rowInserted(int row);        // a grid row appeared (also the row being inserted)
    void rowRemoved(int row);
    void rowChanged(int row);         // values of a row changed
    void fieldChanged(drav::ds::Field *field);

private:
    friend class Field;
    struct Row {
        int stored;   // row of the result, or -1
        int owned;    // index in owned_, or -1
        quint64 id;
    };
    enum class Write { Insert, Modify, Delete };

    void setState(State state);
    void requireActive() const;
    void requireWritable() const;
    void requireEditing() const;
    void sqlChanged();
    void bindMasterParams();
    void onMasterChanged();
    void buildFields();
    void moveTo(int index);
    void materialize();
    std::vector<QVariant> rowValues(int index) const;
    int rowOfBookmark(const Bookmark &bookmark) const;
    bool rowMatches(int row, const std::vector<Field *> &fields, const QVariantList &values) const;

    void storeValue(int index, QVariant value);
    void restoreValue(int index, const QVariant &value, bool assigned, bool modified);

    void guarded(const ErrorHandler &handler, const std::function<void()> &write);
    void checkRequiredFields() const;
    void write(Write kind, const std::vector<QVariant> &values, const std::vector<QVariant> &old);
    void writeExplicit(Write kind, const std::vector<QVariant> &values, const std::vector<QVariant> &old);
    void writeGenerated(Write kind, const std::vector<QVariant> &values, const std::vector<QVariant> &old);
    void readBackKey();
    std::vector<Field *> ownFields() const;
    const QStringList &primaryKey();
    void keepPostedRow();

    db::Connection *conn_;
    QStringList sql_;
    std::vector<Parameter> params_;
    bool readOnly_ = false;
    State state_ = State::Inactive;

    db::Result result_;
    bool materialized_ = false;
    std::vector<Row> rows_;
    std::vector<std::vector<QVariant>> owned_;
    int count_ = 0;
    int pos_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    quint64 generation_ = 0;
    quint64 nextId_ = 1;

    std::vector<QVariant> editBuf_;
    std::vector<QVariant> oldBuf_;
    std::vector<char> assigned_;
    bool modified_ = false;
    int returnPos_ = -1;

    std::vector<std::unique_ptr<Field>> fields_;
    std::vector<FieldDef> defs_;

    const UpdateSql *updateSql_ = nullptr;
    QString updateTable_;
    std::optional<QStringList> primaryKey_;
    QPointer<Dataset> master_;
    QMetaObject::Connection masterLink_;

    DatasetHook onNewRecord_, afterInsert_, beforePost_, afterPost_;
    ErrorHandler onPostError_, onDeleteError_;
};

} // namespace drav::ds
