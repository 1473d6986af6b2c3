#pragma once
// The shared error handlers of the data module's datasets: they turn a
// refused write or delete into one Portuguese message and end the action
// with a silent abort, the row staying as it was.

#include "platform/dataset/Dataset.h"

drav::ds::ErrorAction QyOnPostError(drav::ds::Dataset &dataset, const std::exception &erro);
drav::ds::ErrorAction QyOnDeleteError(drav::ds::Dataset &dataset, const std::exception &erro);

// "Erro no banco de dados: " with the number, the message and the SQL state.
QString mensagemErroBanco(const drav::db::DbError &erro);
