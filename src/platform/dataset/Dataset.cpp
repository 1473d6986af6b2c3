#include "platform/dataset/Dataset.h"

#include "platform/SilentAbort.h"

#include <algorithm>

namespace drav::ds {

namespace {


using db::parameterNames;

bool sameValue(const Field &f, int row, const QVariant &wanted) {
    const QVariant have = f.valueAt(row);
    const bool haveNull = !have.isValid();
    const bool wantedNull = !wanted.isValid() || wanted.isNull();
    if (haveNull || wantedNull)
        return haveNull == wantedNull;
    switch (f.dataType()) {
    case FieldType::Integer:
    case FieldType::Float:
        return have.toDouble() == convertValue(f.dataType(), wanted).toDouble();
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
        return convertValue(f.dataType(), have) == convertValue(f.dataType(), wanted);
    default:
        return have.toString() == wanted.toString();
    }
}

} // namespace

Dataset::Dataset(db::Connection &connection, const QString &name, QObject *parent)
    : QObject(parent), conn_(&connection) {
    setObjectName(name);
}

Dataset::~Dataset() = default;

// ---- statement and parameters ----

void Dataset::setSql(const QString &text) { setSql(text.split(u'\n')); }

void Dataset::setSql(const QStringList &lines) {
    sql_ = lines;
    sqlChanged();
}

void Dataset::addSql(const QString &line) {
    sql_ << line;
    sqlChanged();
}

void Dataset::setSqlLine(int index, const QString &line) {
    if (index < 0 || index >= sql_.size())
        throw DatasetError(QStringLiteral("Linha %1 do comando inexistente").arg(index));
    sql_[index] = line;
    sqlChanged();
}

void Dataset::clearSql() {
    sql_.clear();
    sqlChanged();
}

void Dataset::sqlChanged() {
    close();
    primaryKey_.reset();
    std::vector<Parameter> kept;
    for (const QString &name : parameterNames(sqlText())) {
        Parameter p(name);
        if (const Parameter *old = findParam(name))
            p.setValue(old->value());
        kept.push_back(std::move(p));
    }
    params_ = std::move(kept);
}

Parameter *Dataset::findParam(const QString &name) {
    for (Parameter &p : params_)
        if (p.name().compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

Parameter &Dataset::paramByName(const QString &name) {
    if (Parameter *p = findParam(name))
        return *p;
    throw DatasetError(QStringLiteral("Parâmetro '%1' não encontrado").arg(name));
}

void Dataset::bindMasterParams() {
    if (!master_ || !master_->isActive())
        return;
    for (Parameter &p : params_)
        if (const Field *f = master_->findField(p.name()))
            p.setValue(f->value());
}

// ---- open and close ----

void Dataset::open() {
    if (isActive())
        return;
    if (sqlText().trimmed().isEmpty())
        throw DatasetError(QStringLiteral("O comando da consulta %1 está vazio").arg(objectName()));
    bindMasterParams();
    db::Params bound;
    bound.reserve(params_.size());
    for (const Parameter &p : params_)
        bound.push_back({p.name(), p.value()});
    db::Result result = conn_->query(sqlText(), bound);
    if (result.columnCount() == 0)
        throw DatasetError(QStringLiteral("O comando da consulta %1 não retorna registros").arg(objectName()));
    result_ = std::move(result);
    count_ = result_.rowCount();
    materialized_ = false;
    rows_.clear();
    owned_.clear();
    ++generation_;
    nextId_ = quint64(count_) + 1;
    buildFields();
    pos_ = count_ > 0 ? 0 : -1;
    bof_ = true;
    eof_ = count_ == 0;
    setState(State::Browse);
    Q_EMIT opened();
    Q_EMIT currentChanged(pos_);
}

void Dataset::close() {
    if (!isActive())
        return;
    editBuf_.clear();
    oldBuf_.clear();
    modified_ = false;
    result_ = db::Result();
    rows_.clear();
    owned_.clear();
    count_ = 0;
    pos_ = -1;
    bof_ = eof_ = true;
    setState(State::Inactive);
    Q_EMIT closed();
}

quint64 Dataset::execSql() {
    db::Params bound;
    for (const Parameter &p : params_)
        bound.push_back({p.name(), p.value()});
    return conn_->execute(sqlText(), bound);
}

// Fields follow the columns; a field whose column keeps its name is kept, so
// references held by controls survive a reopen.
void Dataset::buildFields() {
    std::vector<std::unique_ptr<Field>> built;
    built.reserve(std::size_t(result_.columnCount()));
    for (int i = 0; i < result_.columnCount(); ++i) {
        const db::Column &column = result_.columns()[std::size_t(i)];
        std::unique_ptr<Field> field;
        for (auto &old : fields_)
            if (old && old->fieldName().compare(column.name, Qt::CaseInsensitive) == 0) {
                field = std::move(old);
                break;
            }
        if (field)
            field->attach(i, column);
        else
            field = std::make_unique<Field>(*this, i, column);
        built.push_back(std::move(field));
    }
    fields_ = std::move(built);
    for (const FieldDef &def : defs_) {
        Field *f = findField(def.name);
        if (!f) {
            result_ = db::Result();
            count_ = 0;
            throw DatasetError(QStringLiteral("Campo '%1' não encontrado em %2").arg(def.name, objectName()));
        }
        f->apply(def);
    }
}

void Dataset::defineFields(std::vector<FieldDef> defs) {
    defs_ = std::move(defs);
    for (const FieldDef &def : defs_)
        if (Field *f = findField(def.name))
            f->apply(def);
}

FieldDef &Dataset::fieldDef(const QString &name) {
    for (FieldDef &def : defs_)
        if (def.name.compare(name, Qt::CaseInsensitive) == 0)
            return def;
    defs_.push_back(FieldDef{.name = name});
    return defs_.back();
}

Field *Dataset::findField(const QString &name) const {
    for (const auto &f : fields_)
        if (f->fieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

Field &Dataset::fieldByName(const QString &name) const {
    if (Field *f = findField(name))
        return *f;
    throw DatasetError(QStringLiteral("Campo '%1' não encontrado em %2").arg(name, objectName()));
}

// ---- state ----

void Dataset::setState(State state) {
    if (state_ == state)
        return;
    state_ = state;
    Q_EMIT stateChanged(state);
}

void Dataset::requireActive() const {
    if (!isActive())
        throw DatasetError(QStringLiteral("Operação não permitida com a consulta %1 fechada").arg(objectName()));
}

void Dataset::requireWritable() const {
    if (readOnly_)
        throw DatasetError(QStringLiteral("A consulta %1 é somente leitura").arg(objectName()));
}

void Dataset::requireEditing() const {
    if (!isEditing())
        throw DatasetError(QStringLiteral("A consulta %1 não está em modo de edição ou inclusão").arg(objectName()));
}

void Dataset::checkBrowseMode() {
    if (!isEditing())
        return;
    if (modified_)
        post();
    else
        cancel();
}

void Dataset::append() {
    requireActive();
    requireWritable();
    checkBrowseMode();
    returnPos_ = pos_;
    editBuf_.assign(fields_.size(), QVariant());
    oldBuf_.assign(fields_.size(), QVariant());
    assigned_.assign(fields_.size(), 0);
    setState(State::Insert);
    Q_EMIT rowInserted(count_);
    try {
        if (onNewRecord_)
            onNewRecord_(*this);
    } catch (...) {
        cancel();
        throw;
    }
    modified_ = false;
    bof_ = eof_ = false;
    Q_EMIT currentChanged(count_);
    if (afterInsert_)
        afterInsert_(*this);
}

void Dataset::edit() {
    requireActive();
    if (isEditing())
        return;
    if (isEmpty()) {
        append();
        return;
    }
    requireWritable();
    editBuf_ = rowValues(pos_);
    oldBuf_ = editBuf_;
    assigned_.assign(fields_.size(), 0);
    modified_ = false;
    setState(State::Edit);
}

void Dataset::cancel() {
    if (!isEditing())
        return;
    const bool inserting = state_ == State::Insert;
    editBuf_.clear();
    oldBuf_.clear();
    modified_ = false;
    setState(State::Browse);
    if (inserting) {
        Q_EMIT rowRemoved(count_);
        pos_ = returnPos_;
        bof_ = eof_ = count_ == 0;
        Q_EMIT currentChanged(pos_);
    } else {
        Q_EMIT rowChanged(pos_);
    }
}

void Dataset::post() {
    if (!isEditing())
        return;
    if (beforePost_)
        beforePost_(*this);
    guarded(onPostError_, [this] {
        checkRequiredFields();
        write(state_ == State::Insert ? Write::Insert : Write::Modify, editBuf_, oldBuf_);
    });
    keepPostedRow();
    if (afterPost_)
        afterPost_(*this);
}

// The posted row becomes a row of the dataset with the values written.
void Dataset::keepPostedRow() {
    materialize();
    const bool inserting = state_ == State::Insert;
    owned_.push_back(std::move(editBuf_));
    const int owned = int(owned_.size()) - 1;
    if (inserting) {
        rows_.push_back({-1, owned, nextId_++});
        pos_ = count_++;
    } else {
        rows_[std::size_t(pos_)].owned = owned;
    }
    editBuf_.clear();
    oldBuf_.clear();
    modified_ = false;
    bof_ = eof_ = false;
    setState(State::Browse);
    Q_EMIT rowChanged(pos_);
    Q_EMIT currentChanged(pos_);
}

void Dataset::remove() {
    requireActive();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (isEmpty())
        throw DatasetError(QStringLiteral("Não há registro a excluir em %1").arg(objectName()));
    requireWritable();
    // The row is found by what is stored, not by what is being typed.
    const std::vector<QVariant> stored = state_ == State::Edit ? oldBuf_ : rowValues(pos_);
    guarded(onDeleteError_, [&] { write(Write::Delete, stored, stored); });
    editBuf_.clear();
    oldBuf_.clear();
    modified_ = false;
    setState(State::Browse);
    materialize();
    const int removed = pos_;
    rows_.erase(rows_.begin() + removed);
    --count_;
    Q_EMIT rowRemoved(removed);
    pos_ = std::min(removed, count_ - 1);
    bof_ = eof_ = count_ == 0;
    Q_EMIT currentChanged(pos_);
}

// Runs a write; its failure goes to the dataset's handler, which either lets
// it reach the caller or ends the action silently (it told the user).
void Dataset::guarded(const ErrorHandler &handler, const std::function<void()> &write) {
    try {
        write();
    } catch (const SilentAbort &) {
        throw;
    } catch (const std::exception &error) {
        if (handler && handler(*this, error) == ErrorAction::Abort)
            throw SilentAbort();
        throw;
    }
}

void Dataset::checkRequiredFields() const {
    for (const auto &f : fields_) {
        if (!f->required())
            continue;
        const Cell c = f->cell();
        if (c.isNull() || (f->dataType() == FieldType::String && f->asString().isEmpty()))
            throw RequiredFieldError(*f, f->displayName());
    }
}

void Dataset::storeValue(int index, QVariant value) {
    editBuf_[std::size_t(index)] = std::move(value);
    assigned_[std::size_t(index)] = 1;
    modified_ = true;
    Q_EMIT fieldChanged(fields_[std::size_t(index)].get());
    Q_EMIT rowChanged(currentIndex());
}

void Dataset::restoreValue(int index, const QVariant &value, bool assigned, bool modified) {
    editBuf_[std::size_t(index)] = value;
    assigned_[std::size_t(index)] = assigned;
    modified_ = modified;
    Q_EMIT fieldChanged(fields_[std::size_t(index)].get());
    Q_EMIT rowChanged(currentIndex());
}

// ---- rows ----

int Dataset::currentIndex() const { return state_ == State::Insert ? count_ : pos_; }

int Dataset::recNo() const {
    if (state_ == State::Insert)
        return count_ + 1;
    return pos_ + 1;
}

Cell Dataset::cellAt(int row, int fieldIndex) const {
    if (isEditing() && row == currentIndex())
        return {&editBuf_[std::size_t(fieldIndex)]};
    if (row < 0 || row >= count_)
        return {};
    if (!materialized_)
        return {nullptr, &result_, row, fieldIndex};
    const Row &r = rows_[std::size_t(row)];
    if (r.owned >= 0)
        return {&owned_[std::size_t(r.owned)][std::size_t(fieldIndex)]};
    return {nullptr, &result_, r.stored, fieldIndex};
}

// Browsed rows are addressed straight into the result; the row list is built
// only when a row is first posted or deleted.
void Dataset::materialize() {
    if (materialized_)
        return;
    rows_.reserve(std::size_t(count_) + 1);
    for (int i = 0; i < count_; ++i)
        rows_.push_back({i, -1, quint64(i) + 1});
    materialized_ = true;
}

std::vector<QVariant> Dataset::rowValues(int index) const {
    std::vector<QVariant> values;
    values.reserve(fields_.size());
    for (const auto &f : fields_)
        values.push_back(f->valueAt(index));
    return values;
}

// ---- navigation ----

void Dataset::moveTo(int index) {
    checkBrowseMode();
    const bool moved = index != pos_;
    pos_ = index;
    if (moved)
        Q_EMIT currentChanged(pos_);
}

void Dataset::first() {
    requireActive();
    moveTo(count_ > 0 ? 0 : -1);
    bof_ = true;
    eof_ = count_ == 0;
}

void Dataset::last() {
    requireActive();
    moveTo(count_ - 1);
    eof_ = true;
    bof_ = count_ == 0;
}

void Dataset::next() {
    requireActive();
    checkBrowseMode();
    if (pos_ + 1 < count_) {
        moveTo(pos_ + 1);
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void Dataset::prior() {
    requireActive();
    checkBrowseMode();
    if (pos_ > 0) {
        moveTo(pos_ - 1);
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

void Dataset::setRecNo(int recNo) {
    requireActive();
    if (recNo < 1 || recNo > count_)
        throw DatasetError(QStringLiteral("Registro %1 inexistente em %2").arg(recNo).arg(objectName()));
    moveTo(recNo - 1);
    bof_ = eof_ = false;
}

Bookmark Dataset::bookmark() const {
    if (pos_ < 0 || state_ == State::Insert)
        return {};
    return {generation_, materialized_ ? rows_[std::size_t(pos_)].id : quint64(pos_) + 1};
}

int Dataset::rowOfBookmark(const Bookmark &b) const {
    if (b.isNull() || b.generation != generation_ || !isActive())
        return -1;
    if (!materialized_)
        return b.id <= quint64(count_) ? int(b.id) - 1 : -1;
    for (int i = 0; i < count_; ++i)
        if (rows_[std::size_t(i)].id == b.id)
            return i;
    return -1;
}

void Dataset::gotoBookmark(const Bookmark &b) {
    requireActive();
    checkBrowseMode();
    const int row = rowOfBookmark(b);
    if (row < 0)
        throw DatasetError(QStringLiteral("Registro não encontrado em %1").arg(objectName()));
    moveTo(row);
    bof_ = eof_ = false;
}

bool Dataset::rowMatches(int row, const std::vector<Field *> &fields, const QVariantList &values) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (!sameValue(*fields[i], row, values.value(int(i))))
            return false;
    return true;
}

bool Dataset::locate(const QString &fieldNames, const QVariantList &values) {
    requireActive();
    checkBrowseMode();
    std::vector<Field *> fields;
    for (const QString &name : fieldNames.split(u';', Qt::SkipEmptyParts))
        fields.push_back(&fieldByName(name.trimmed()));
    if (fields.size() != std::size_t(values.size()))
        throw DatasetError(QStringLiteral("Locate: %1 campos e %2 valores").arg(fields.size()).arg(values.size()));
    for (int row = 0; row < count_; ++row)
        if (rowMatches(row, fields, values)) {
            moveTo(row);
            bof_ = eof_ = false;
            return true;
        }
    return false;
}

// ---- master and detail ----

void Dataset::setMaster(Dataset *master) {
    if (masterLink_)
        disconnect(masterLink_);
    master_ = master;
    if (master)
        masterLink_ = connect(master, &Dataset::currentChanged, this, [this] { onMasterChanged(); });
}

void Dataset::onMasterChanged() {
    if (!isActive() || !master_ || !master_->isActive())
        return;
    close();
    open();
}

} // namespace drav::ds
