#include "app/Imagens.h"

#include <QtGlobal>

#include <mutex>

void carregaImagens() {
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(imagens); });
}
