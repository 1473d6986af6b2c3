#include "app/CatalogoTelas.h"

CatalogoTelas &CatalogoTelas::instancia() {
    static CatalogoTelas catalogo;
    return catalogo;
}

void CatalogoTelas::registraForm(const QString &classe, Criacao cria, Preparo prepara) {
    telas_[classe] = Tela{std::move(cria), std::move(prepara), {}};
}

void CatalogoTelas::registraListagem(const QString &classe, Listagem lista) {
    telas_[classe] = Tela{{}, {}, std::move(lista)};
}

void CatalogoTelas::remove(const QString &classe) { telas_.erase(classe); }

bool CatalogoTelas::contem(const QString &classe) const { return telas_.count(classe) > 0; }

const CatalogoTelas::Tela *CatalogoTelas::tela(const QString &classe) const {
    const auto it = telas_.find(classe);
    return it == telas_.end() ? nullptr : &it->second;
}
