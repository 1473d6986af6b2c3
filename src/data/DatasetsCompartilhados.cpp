// The shared datasets of the data module: statements, fields, write
// statements and the values every new row starts with.
//
// Statements name tables in lower case, as the schema creates them, so they
// also run on servers that compare table names by case.

#include "data/ManipuladoresErro.h"
#include "data/RotinasComuns.h"
#include "platform/dataset/DatasetError.h"
#include "platform/dialogs/Dialogs.h"
#include "data/TdmDados.h"

#include <QDate>
#include <QTime>

using drav::ds::Dataset;
using drav::ds::FieldDef;
using drav::ds::UpdateSql;
using Nulls = drav::ds::UpdateSql::Nulls;

namespace {

// A field declaration, written the way the registers list them.
struct Campo {
    FieldDef def;
    explicit Campo(const char *nome) { def.name = QString::fromUtf8(nome); }
    Campo &rotulo(const char *texto) {
        def.displayLabel = QString::fromUtf8(texto);
        return *this;
    }
    Campo &obrigatorio() {
        def.required = true;
        return *this;
    }
    Campo &formato(const char *mascara) {
        def.displayFormat = QString::fromUtf8(mascara);
        return *this;
    }
    Campo &formatoEdicao(const char *mascara) {
        def.editFormat = QString::fromUtf8(mascara);
        return *this;
    }
    Campo &mascara(const char *mascara) {
        def.editMask = QString::fromUtf8(mascara);
        return *this;
    }
    Campo &moeda() {
        def.currency = true;
        return *this;
    }
    Campo &valida(drav::ds::FieldValidator validador) {
        def.validate = std::move(validador);
        return *this;
    }
    // A joined or looked-up column: shown, never written.
    Campo &naoGravado() {
        def.written = false;
        return *this;
    }
};

void campos(Dataset &ds, std::initializer_list<Campo> lista) {
    std::vector<FieldDef> defs;
    defs.reserve(lista.size());
    for (const Campo &c : lista)
        defs.push_back(c.def);
    ds.defineFields(std::move(defs));
}

QStringList colunas(const char *lista) {
    return QString::fromLatin1(lista).split(u',', Qt::SkipEmptyParts);
}

void grava(Dataset &ds, UpdateSql &update, const char *tabela, const char *cols, const char *chaves,
           Nulls nulos = Nulls::Differ) {
    update = UpdateSql::forColumns(QString::fromLatin1(tabela), colunas(cols), colunas(chaves), nulos);
    ds.setUpdateSql(&update);
}

// The client's postal code must belong to the state of its city.
void TbClientecepValidate(drav::ds::Field &cep) {
    const QString codigo = cep.asString();
    if (codigo.trimmed().isEmpty())
        return;
    const QString uf = cep.dataset().fieldByName(QStringLiteral("idestado")).asString();
    if (uf.isEmpty()) {
        drav::dlg::message(QStringLiteral("Aviso"), QStringLiteral("Campo Estado não possui Valor, Verifique !!!"),
                           drav::dlg::Icon::Warning, drav::dlg::Ok);
        return;
    }
    if (!ValidaCEP(codigo, uf)) {
        cep.clear();
        throw drav::ds::DatasetError(QStringLiteral("Cep inválido"));
    }
}

// A field of another dataset's current row; null while that one is closed.
QVariant valorDe(const Dataset &outro, const char *campo) {
    const drav::ds::Field *f = outro.isActive() ? outro.findField(QString::fromLatin1(campo)) : nullptr;
    return f ? f->value() : QVariant();
}

QString horaAtual(const char *formato) { return QTime::currentTime().toString(QString::fromLatin1(formato)); }

} // namespace

void TdmDados::configuraDatasets() {
    configuraCadastros();
    configuraProducao();
    configuraAbastecimento();
    configuraFinanceiro();
    configuraEstoque();
    ligaManipuladores();
}

void TdmDados::ligaManipuladores() {
    // These raise their errors to their callers unchanged.
    const std::vector<Dataset *> semManipulador = {&TbUsuario,   &qySQL,       &TbManutProducao, &qyMaxidOrdem,
                                                   &TbVerSafra,  &QyProdSafra, &TbVerParametro,  &TbAtestado};
    for (Dataset *ds : datasets()) {
        if (std::find(semManipulador.begin(), semManipulador.end(), ds) != semManipulador.end())
            continue;
        ds->setOnPostError(QyOnPostError);
        ds->setOnDeleteError(QyOnDeleteError);
    }
}

void TdmDados::configuraCadastros() {
    auto empresaAtual = [this](Dataset &ds) { ds.fieldByName(QStringLiteral("idempresa")).setAsInteger(EmpresaAtual); };

    TbUsuario.setSql(QStringLiteral("select * from tbusuario where idusuario =:Pidusuario;"));
    campos(TbUsuario, {Campo("idusuario").rotulo("Usuário").obrigatorio(), Campo("senha").rotulo("Senha"),
                       Campo("nomeusuario").rotulo("Nome do Usuário")});

    TbEmpresa.setSql(QStringLiteral(
        "Select e.*, c.nomecidade, c.idestado, c.idpais from tbempresa e inner join tbcidade c on c.idcidade = "
        "e.idcidade where e.idempresa = :pidempresa;"));
    grava(TbEmpresa, UpdateEmpresa, "tbempresa", "idempresa,nome,endereco,idcidade", "idempresa");
    campos(TbEmpresa, {Campo("idempresa").rotulo("Código").formato("0000000000"),
                       Campo("nome").rotulo("Nome da Empresa"), Campo("endereco").rotulo("Endereço"),
                       Campo("idcidade"), Campo("nomecidade").naoGravado(), Campo("idestado").naoGravado(),
                       Campo("idpais").naoGravado()});

    TbGleba.setSql(QStringLiteral("select * from tbgleba where idgleba = :Pidgleba and idempresa =:Pidempresa;"));
    TbGleba.setOnNewRecord(empresaAtual);
    campos(TbGleba, {Campo("idgleba").rotulo("Gleba").formato("000000"),
                     Campo("nomegleba").rotulo("Nome da Gleba").obrigatorio(), Campo("idempresa").obrigatorio(),
                     Campo("qtdplantas").obrigatorio(), Campo("dataplantio").obrigatorio().mascara("!99/99/0000;1;_"),
                     Campo("idvariedade").obrigatorio(), Campo("qtdhectare").obrigatorio()});

    TbTurma.setSql(QStringLiteral("select * from tbturma where idturma = :Pidturma and idempresa = :Pidempresa;"));
    grava(TbTurma, UpdateTurma, "tbturma", "idturma,nome,idempresa,responsavel", "idturma,idempresa");
    TbTurma.setOnNewRecord(empresaAtual);
    campos(TbTurma, {Campo("idturma").rotulo("Código"), Campo("nome").rotulo("Nome da Turma").obrigatorio(),
                     Campo("responsavel").rotulo("Responsável").obrigatorio(), Campo("idempresa").obrigatorio()});

    TbColaborador.setSql(QStringLiteral(
        "select c.*, t.nome as turma from tbcolaborador c inner join tbturma t on t.idturma = c.idturma and "
        "t.idempresa = c.idempresa where c.idcolaborador = :Pidcolaborador and c.idempresa = :Pidempresa;"));
    grava(TbColaborador, UpdateColaborador, "tbcolaborador",
          "idcolaborador,nome,idempresa,idturma,memoria,suporte,demitido", "idcolaborador,idempresa");
    TbColaborador.setOnNewRecord([empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("demitido")).setAsString(QStringLiteral("N"));
    });
    campos(TbColaborador,
           {Campo("idcolaborador").rotulo("Código").obrigatorio(),
            Campo("nome").rotulo("Nome do Colaborador").obrigatorio(), Campo("idempresa").obrigatorio(),
            Campo("idturma").rotulo("Turma").obrigatorio(), Campo("memoria").obrigatorio(),
            Campo("demitido").rotulo("Demitido").obrigatorio(), Campo("suporte"), Campo("turma").naoGravado()});

    TbGrupo.setSql(QStringLiteral("Select * from tbgrupoopera where idgrupo = :Pidgrupo and idempresa = :Pidempresa;"));
    TbGrupo.setOnNewRecord(empresaAtual);
    campos(TbGrupo, {Campo("idgrupo").obrigatorio(), Campo("nomegrupo").rotulo("Nome do Grupo").obrigatorio(),
                     Campo("idempresa").obrigatorio()});

    TbOperacao.setSql(QStringLiteral(
        "Select a.*, b.nomegrupo from tboperacao a inner join tbgrupoopera b on b.idgrupo = a.idgrupo where "
        "idoperacao = :Pidoperacao and b.idempresa = a.idempresa and a.idempresa = :Pidempresa"));
    grava(TbOperacao, UpdateOperacao, "tboperacao", "idoperacao,nomeoperacao,idempresa,idgrupo",
          "idoperacao,idempresa");
    TbOperacao.setOnNewRecord(empresaAtual);
    campos(TbOperacao, {Campo("idoperacao").obrigatorio(), Campo("nomeoperacao").rotulo("Nome da Operação"),
                        Campo("idempresa").obrigatorio(), Campo("idgrupo").rotulo("Grupo").obrigatorio(),
                        Campo("nomegrupo").naoGravado()});

    TbVariedade.setSql(QStringLiteral(
        "select * from tbvariedade where idvariedade = :pidvariedade and idempresa = :pidempresa"));
    grava(TbVariedade, UpdateVariedade, "tbvariedade", "idvariedade,descricao,idempresa", "idvariedade,idempresa",
          Nulls::Match);
    TbVariedade.setOnNewRecord(empresaAtual);
    campos(TbVariedade, {Campo("idvariedade"), Campo("descricao").obrigatorio(), Campo("idempresa").obrigatorio()});

    TbEventos.setSql(QStringLiteral("Select * from tbeventos where idevento = :Pidevento and idempresa = :Pidempresa;"));
    TbEventos.setOnNewRecord(empresaAtual);
    campos(TbEventos, {Campo("idevento").rotulo("Evento").obrigatorio().formato("0"),
                       Campo("descricao").rotulo("Descrição").obrigatorio(),
                       Campo("idempresa").rotulo("Empresa").obrigatorio().formato("0")});

    TbSafra.setSql(QStringLiteral("Select * from tbsafra where idsafra = :pidsafra and idempresa = :pidempresa;"));
    grava(TbSafra, UpdateSafra, "tbsafra", "idsafra,descricao,idempresa", "idsafra,idempresa");
    campos(TbSafra, {Campo("idsafra").obrigatorio(), Campo("descricao"), Campo("idempresa").obrigatorio()});

    TbVerSafra.setSql(QStringLiteral("select * from tbsafra where idempresa = :Pidempresa;"));
    campos(TbVerSafra,
           {Campo("idsafra").obrigatorio(), Campo("descricao").obrigatorio(), Campo("idempresa").obrigatorio()});

    QyProdSafra.setSql(QStringLiteral("select idsafra from tbsafra where idempresa = :pidempresa order by idsafra"));
    QyProdSafra.setReadOnly(true);

    TbVerParametro.setSql(QStringLiteral(
        "select * from tbparametro where idempresa = :Pidempresa and idsafra = :Pidsafra and idunidade = "
        ":Pidunidade and datavigor <= :Pdataproducao order by datavigor desc"));
    TbVerParametro.setReadOnly(true);
    campos(TbVerParametro, {Campo("idparametro"), Campo("qtdlitro"), Campo("idempresa").obrigatorio(),
                            Campo("idsafra").obrigatorio(), Campo("datavigor"), Campo("idunidade").obrigatorio()});
}

void TdmDados::configuraProducao() {
    auto empresaAtual = [this](Dataset &ds) { ds.fieldByName(QStringLiteral("idempresa")).setAsInteger(EmpresaAtual); };

    qyMaxidOrdem.setSql(QStringLiteral("select max(idordem) as maxidordem from tbordem where idempresa = :pidempresa"));
    qyMaxidOrdem.setReadOnly(true);

    TbOrdem.setSql(QStringLiteral(
        "Select a.*, b.nomegleba, c.nomeoperacao, e.descricao from tbordem a left join tbgleba b on b.idgleba = "
        "a.idgleba and a.idempresa = b.idempresa left join tboperacao c on c.idoperacao = a.idoperacao and "
        "c.idempresa = b.idempresa left join tbeventos e on e.idevento = a.idevento and e.idempresa = b.idempresa "
        "where idordem = :Pidordem and a.idempresa = :Pidempresa"));
    grava(TbOrdem, UpdateTbOrdem, "tbordem",
          "idordem,idempresa,idturma,dataordem,idoperacao,datainicio,precounit,status,idgleba,datafim,idevento,"
          "tipopd,idunidade,idsafra",
          "idordem,idempresa", Nulls::Match);
    TbOrdem.setOnNewRecord([this, empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("tipopd")).setAsString(QStringLiteral("P"));
        ds.fieldByName(QStringLiteral("status")).setAsString(QStringLiteral("A"));
        ds.fieldByName(QStringLiteral("dataordem")).setAsDate(QDate::currentDate());
        ds.fieldByName(QStringLiteral("idturma")).setAsInteger(0);
        ds.fieldByName(QStringLiteral("precounit")).setAsFloat(0);
        ds.fieldByName(QStringLiteral("idsafra")).setAsInteger(SafraAtual);
        ds.fieldByName(QStringLiteral("idordem")).setAsInteger(proximaOrdem());
    });
    campos(TbOrdem, {Campo("idordem"), Campo("idempresa").obrigatorio(), Campo("idturma").obrigatorio(),
                     Campo("dataordem").obrigatorio(), Campo("idoperacao").obrigatorio(), Campo("datainicio"),
                     Campo("precounit").obrigatorio().formato("0.0000"), Campo("status"),
                     Campo("idgleba").obrigatorio(), Campo("datafim"), Campo("idevento").obrigatorio(),
                     Campo("tipopd"), Campo("idunidade"), Campo("idsafra").obrigatorio(),
                     Campo("nomeoperacao").naoGravado(), Campo("descricao").naoGravado(),
                     Campo("nomegleba").naoGravado()});

    TbTurmaOrdem.setSql(QStringLiteral("Select * from tbturmaordem where idordem = :idordem and idempresa = :idempresa;"));
    TbTurmaOrdem.setMaster(&TbOrdem);
    TbTurmaOrdem.setOnNewRecord([this, empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("idordem")).setValue(valorDe(TbOrdem, "idordem"));
    });
    campos(TbTurmaOrdem, {Campo("idturma").rotulo("Turma").obrigatorio(), Campo("idempresa").obrigatorio(),
                          Campo("idordem").rotulo("Ordem").obrigatorio()});

    TbProducao.setSql(QStringLiteral(
        "Select P.*, C.Nome from tbproducao P inner join tbcolaborador C on C.idcolaborador = P.idcolaborador "
        "inner join tbordem O on O.idordem = P.idordem where P.idproducao = :Pidproducao and P.idempresa = "
        ":Pidempresa and P.idempresa = C.idempresa and P.idempresa = O.idempresa;"));
    grava(TbProducao, UpdateProducao, "tbproducao",
          "idproducao,idempresa,idordem,idcolaborador,qtdunit,data,status,hora,idempresacolaborador,idsafra",
          "idproducao", Nulls::Match);
    TbProducao.setOnNewRecord([this, empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("data")).setAsDate(QDate::currentDate());
        ds.fieldByName(QStringLiteral("hora")).setAsString(horaAtual("hh:mm:ss"));
        ds.fieldByName(QStringLiteral("idsafra")).setAsInteger(SafraAtual);
    });
    campos(TbProducao,
           {Campo("idproducao").rotulo("Sequência"), Campo("data").rotulo("Data").obrigatorio(),
            Campo("idordem").rotulo("Ordem").obrigatorio(), Campo("idcolaborador").rotulo("Colaborador").obrigatorio(),
            Campo("Nome").naoGravado(), Campo("qtdunit").rotulo("Quantidade").obrigatorio(),
            Campo("status").rotulo("Status").obrigatorio(), Campo("idempresa").obrigatorio(),
            Campo("hora").obrigatorio(), Campo("idempresacolaborador").obrigatorio(), Campo("idsafra").obrigatorio()});

    TbManutProducao.setSql(QStringLiteral(
        "Select P.*, C.Nome from tbproducao P inner join tbcolaborador C on C.idcolaborador = P.idcolaborador and "
        "C.idempresa = P.idempresacolaborador inner join tbordem O on O.idordem = P.idordem and P.idempresa = "
        "O.idempresa where P.idempresa = :Pidempresa and P.data = :Pdata"));
    grava(TbManutProducao, UpdateManutProducao, "tbproducao",
          "idproducao,idempresa,idordem,idcolaborador,qtdunit,data,status,hora", "idproducao", Nulls::Match);
    campos(TbManutProducao, {Campo("Nome").obrigatorio().naoGravado(), Campo("idproducao"),
                             Campo("idempresa").obrigatorio(), Campo("idordem").obrigatorio(),
                             Campo("idcolaborador").obrigatorio(), Campo("qtdunit").obrigatorio(),
                             Campo("data").obrigatorio(), Campo("status"), Campo("hora")});

    TbLancamento.setSql(QStringLiteral(
        "Select l.*, t.nome, e.descricao from tblancamento l inner join tbcolaborador t on t.idcolaborador = "
        "l.idcolaborador and t.idempresa = l.idempresa inner join tbeventos e on e.idevento = l.idevento and "
        "e.idempresa = l.idempresa where l.idempresa = :Pidempresa and l.ano = :Pano and l.mes = :Pmes"));
    grava(TbLancamento, UpdateLancamento, "tblancamento",
          "idlancamento,idevento,idcolaborador,idempresa,qtdhora,referencia,valor,ano,mes,dataref", "idlancamento");
    TbLancamento.setOnNewRecord(
        [](Dataset &ds) { ds.fieldByName(QStringLiteral("dataref")).setAsDate(QDate::currentDate()); });
    campos(TbLancamento,
           {Campo("idlancamento").rotulo("Lançamento").formato("0"),
            Campo("idevento").rotulo("Evento").obrigatorio().formato("0"),
            Campo("idcolaborador").rotulo("Colaborador").obrigatorio().formato("0"),
            Campo("idempresa").rotulo("Empresa").obrigatorio().formato("0"), Campo("qtdhora").rotulo("Hora"),
            Campo("referencia").rotulo("Referencia"), Campo("valor").rotulo("Valor").formato("0.00"),
            Campo("nome").naoGravado(), Campo("descricao").naoGravado(), Campo("mes"),
            Campo("dataref").rotulo("Data").obrigatorio(), Campo("ano")});

    TbAtestado.setSql(QStringLiteral("select * from tbatestado where idempresa = :Pidempresa"));
    grava(TbAtestado, UpdateAtestado, "tbatestado",
          "idatestado,idempresa,idordem,idcolaborador,dataatestado,data,hora,idempresacolaborador", "idatestado",
          Nulls::Match);
    campos(TbAtestado, {Campo("idatestado"), Campo("idempresa").obrigatorio(), Campo("idordem").obrigatorio(),
                        Campo("idcolaborador").obrigatorio(), Campo("dataatestado"), Campo("data").obrigatorio(),
                        Campo("hora"), Campo("idempresacolaborador")});
}

void TdmDados::configuraAbastecimento() {
    auto empresaAtual = [this](Dataset &ds) { ds.fieldByName(QStringLiteral("idempresa")).setAsInteger(EmpresaAtual); };

    TbFrentista.setSql(QStringLiteral(
        "select * from tbfrentista where idfrentista = :Pidfrentista and idempresa =:Pidempresa;"));
    TbFrentista.setOnNewRecord(empresaAtual);
    campos(TbFrentista, {Campo("idfrentista").formato("000000"), Campo("nomefrentista").obrigatorio(),
                         Campo("senhafrentista").obrigatorio(), Campo("idempresa").obrigatorio()});

    TbCombustivel.setSql(QStringLiteral(
        "select * from tbcombustivel where idcombustivel = :Pidcombustivel and idempresa =:Pidempresa;"));
    TbCombustivel.setOnNewRecord(empresaAtual);
    campos(TbCombustivel, {Campo("idcombustivel").formato("000000"), Campo("nomecombustivel").obrigatorio(),
                           Campo("idempresa").obrigatorio(), Campo("VLitro")});

    TbGrupoVeiculo.setSql(QStringLiteral(
        "select * from tbgrupoveiculo where idgrupoveiculo = :Pidgrupoveiculo and idempresa = :Pidempresa;"));
    TbGrupoVeiculo.setOnNewRecord(empresaAtual);
    campos(TbGrupoVeiculo, {Campo("idgrupoveiculo").formato("000000"), Campo("descricao").obrigatorio(),
                            Campo("idempresa").obrigatorio()});

    TbMarca.setSql(QStringLiteral("select * from tbmarca where idmarca = :Pidmarca and idempresa = :Pidempresa;"));
    TbMarca.setOnNewRecord(empresaAtual);
    campos(TbMarca,
           {Campo("idmarca").formato("000000"), Campo("nomemarca").obrigatorio(), Campo("idempresa").obrigatorio()});

    TbOperador.setSql(QStringLiteral("select * from tboperador where idoperador = :Pidoperador and idempresa = :Pidempresa;"));
    TbOperador.setOnNewRecord(empresaAtual);
    campos(TbOperador, {Campo("idoperador").formato("000000"), Campo("nomeoperador").obrigatorio(),
                        Campo("identidade"), Campo("cpf"), Campo("cnh"), Campo("categoria"), Campo("datavalidade"),
                        Campo("data1ahabilitacao"), Campo("idempresa").obrigatorio()});

    TbVeiculo.setSql(QStringLiteral(
        "select v.*, m.nomemarca, g.descricao, o.nomeoperador from tbveiculo v inner join tbmarca m on m.idmarca = "
        "v.idmarca inner join tbgrupoveiculo g on g.idgrupoveiculo = v.idgrupoveiculo inner join tboperador o on "
        "o.idoperador = v.idoperador where v.idveiculo = :Pidveiculo and v.idempresa = :Pidempresa and v.idempresa "
        "= m.idempresa and v.idempresa = g.idempresa and v.idempresa = o.idempresa;"));
    grava(TbVeiculo, UpdateVeiculo, "tbveiculo",
          "idveiculo,placa,idmarca,modelo,idgrupoveiculo,tara,capacidadecarga,anofab,chassi,datacompra,idoperador,"
          "idempresa",
          "idveiculo", Nulls::Match);
    TbVeiculo.setOnNewRecord(empresaAtual);
    campos(TbVeiculo, {Campo("idveiculo").formato("000000"), Campo("placa"), Campo("idmarca").obrigatorio(),
                       Campo("modelo"), Campo("idgrupoveiculo").obrigatorio(), Campo("tara"), Campo("capacidadecarga"),
                       Campo("anofab"), Campo("chassi"), Campo("datacompra"), Campo("idoperador").obrigatorio(),
                       Campo("idempresa").obrigatorio(), Campo("nomemarca").naoGravado(),
                       Campo("descricao").naoGravado(), Campo("nomeoperador").naoGravado()});

    TbAbastece.setSql(QStringLiteral(
        "select distinct a.*, f.nomefrentista, v.placa, o.nomeoperador, c.nomecombustivel from tbabastece a inner "
        "join tbfrentista f on f.idfrentista = a.idfrentista inner join tbveiculo v on v.idveiculo = a.idveiculo "
        "inner join tboperador o on o.idoperador = a.idoperador inner join tbcombustivel c on c.idcombustivel = "
        "a.idcombustivel where idabastece = :pidabastece and a.idempresa = :pidempresa and a.idempresa = "
        "f.idempresa and a.idempresa = v.idempresa and a.idempresa = o.idempresa and a.idempresa = c.idempresa;"));
    grava(TbAbastece, UpdateAbastece, "tbabastece",
          "idabastece,nota,data,hora,qtdlitros,idfrentista,idveiculo,idoperador,idcombustivel,idempresa,VLitro",
          "idabastece");
    TbAbastece.setOnNewRecord([empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("data")).setAsDate(QDate::currentDate());
        ds.fieldByName(QStringLiteral("hora")).setAsTime(QTime::currentTime());
    });
    // The company of a supply is always the current one when it is stored.
    TbAbastece.setBeforePost([this](Dataset &ds) {
        if (ds.state() == drav::ds::State::Insert)
            ds.fieldByName(QStringLiteral("idempresa")).setAsInteger(EmpresaAtual);
    });
    campos(TbAbastece, {Campo("idabastece").formato("000000"), Campo("Nota"), Campo("data").obrigatorio(),
                        Campo("hora").obrigatorio().mascara("!90:00;1;_"), Campo("idfrentista").obrigatorio(),
                        Campo("idveiculo").obrigatorio(), Campo("idoperador").obrigatorio(),
                        Campo("idcombustivel").obrigatorio(), Campo("idempresa").obrigatorio(),
                        Campo("nomefrentista").naoGravado(), Campo("placa").naoGravado(),
                        Campo("nomeoperador").naoGravado(), Campo("nomecombustivel").naoGravado(), Campo("VLitro"),
                        Campo("qtdlitros").obrigatorio()});
}

void TdmDados::configuraFinanceiro() {
    auto empresaAtual = [this](Dataset &ds) { ds.fieldByName(QStringLiteral("idempresa")).setAsInteger(EmpresaAtual); };
    auto tituloNovo = [empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("pagoantecipado")).setAsString(QStringLiteral("N"));
        ds.fieldByName(QStringLiteral("titulopago")).setAsString(QStringLiteral("N"));
        ds.fieldByName(QStringLiteral("dtemissao")).setAsDate(QDate::currentDate());
        ds.fieldByName(QStringLiteral("tipojuros")).setAsString(QStringLiteral("ANUAL"));
    };

    TbPais.setSql(QStringLiteral("select * from tbpais"));
    campos(TbPais, {Campo("Idpais").obrigatorio(), Campo("nome").obrigatorio()});

    TbEstado.setSql(QStringLiteral("Select * from tbestado where idpais = :idpais"));
    TbEstado.setMaster(&TbPais);
    TbEstado.setOnNewRecord([this](Dataset &ds) {
        ds.fieldByName(QStringLiteral("Idpais")).setValue(valorDe(TbPais, "Idpais"));
    });
    campos(TbEstado, {Campo("idestado").obrigatorio(), Campo("nome").obrigatorio(), Campo("Idpais").obrigatorio()});

    TbCidade.setSql(QStringLiteral("Select * from tbcidade where idestado = :idestado"));
    TbCidade.setMaster(&TbEstado);
    TbCidade.setOnNewRecord([this](Dataset &ds) {
        ds.fieldByName(QStringLiteral("Idpais")).setValue(valorDe(TbPais, "Idpais"));
        ds.fieldByName(QStringLiteral("idestado")).setValue(valorDe(TbEstado, "idestado"));
    });
    campos(TbCidade, {Campo("idcidade"), Campo("nomecidade").obrigatorio(), Campo("idestado").obrigatorio(),
                      Campo("Idpais").obrigatorio()});

    TbBanco.setSql(QStringLiteral("Select * from tbbanco where idempresa = :Pidempresa order by nomebanco;"));
    TbBanco.setOnNewRecord(empresaAtual);
    campos(TbBanco,
           {Campo("idbanco").obrigatorio().formato("000"), Campo("nomebanco").obrigatorio(), Campo("idempresa").obrigatorio()});

    TbConta.setSql(QStringLiteral(
        "Select c.* from tbconta c where c.idbanco = :idbanco and idempresa = :Pidempresa order by c.idbanco, "
        "c.agencia, c.conta;"));
    TbConta.setMaster(&TbBanco);
    TbConta.setOnNewRecord([this, empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("idbanco")).setValue(valorDe(TbBanco, "idbanco"));
        ds.fieldByName(QStringLiteral("situacao")).setAsString(QStringLiteral("ATIVO"));
        ds.fieldByName(QStringLiteral("pessoafj")).setAsString(QStringLiteral("F"));
    });
    campos(TbConta, {Campo("idbanco").obrigatorio(), Campo("agencia").obrigatorio(), Campo("conta").obrigatorio(),
                     Campo("titular").obrigatorio(), Campo("pessoafj").obrigatorio(), Campo("idempresa").obrigatorio(),
                     Campo("cpnj"), Campo("cpf"), Campo("contato"), Campo("situacao"),
                     Campo("telefone").mascara("!\\(99\\) 0000-0000;0;_")});

    TbFornecedor.setSql(QStringLiteral(
        "select f.*, c.nomecidade, c.idestado, c.idpais from tbfornecedor f inner join tbcidade c on c.idcidade = "
        "f.idcidade where f.idfornecedor = :Pidfornecedor and f.idempresa = :Pidempresa and f.idcidade = :idcidade "
        "order by f.razaosocial;"));
    const char *colunasFornecedor = "idfornecedor,endereco,bairro,idcidade,idempresa,cep,nomefantasia,observacao,"
                                    "razaosocial,email,pagina,cpnj,tipopessoa,inscestadual,cpf,identidade";
    grava(TbFornecedor, UpdateFornecedor, "tbfornecedor", colunasFornecedor, colunasFornecedor, Nulls::Match);
    TbFornecedor.setOnNewRecord([empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("tipopessoa")).setAsString(QStringLiteral("F"));
    });
    campos(TbFornecedor,
           {Campo("idfornecedor"), Campo("endereco"), Campo("bairro"), Campo("idcidade").obrigatorio(),
            Campo("idempresa").obrigatorio(), Campo("nomefantasia"), Campo("observacao"),
            Campo("razaosocial").obrigatorio(), Campo("email"), Campo("pagina"), Campo("cpnj"), Campo("inscestadual"),
            Campo("cep").mascara("00000\\-999;0;_"), Campo("tipopessoa").obrigatorio(), Campo("cpf"),
            Campo("identidade"), Campo("nomecidade").naoGravado(), Campo("idestado").naoGravado(),
            Campo("idpais").naoGravado()});

    TbFoneFornecedor.setSql(QStringLiteral(
        "select t.* from tbfonefornecedor t inner join tbfornecedor f on f.idfornecedor = t.idfornecedor where "
        "t.idfornecedor = :idfornecedor and t.idempresa = :Pidempresa order by t.local"));
    TbFoneFornecedor.setMaster(&TbFornecedor);
    TbFoneFornecedor.setOnNewRecord([this, empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("idfornecedor"))
            .setValue(valorDe(TbFornecedor, "idfornecedor"));
    });
    campos(TbFoneFornecedor, {Campo("local").obrigatorio(), Campo("idempresa").obrigatorio(),
                              Campo("idfornecedor").obrigatorio(),
                              Campo("telefone").obrigatorio().mascara("!\\(99\\) 0000-0000;0;_")});

    TbCliente.setSql(QStringLiteral(
        "select c.*, d.nomecidade, d.idestado, d.idpais from tbcliente c inner join tbcidade d on d.idcidade = "
        "c.idcidade where c.idcliente = :Pidcliente and c.idempresa = :Pidempresa and c.idcidade = :idcidade order "
        "by c.nome;"));
    grava(TbCliente, UpdateCliente, "tbcliente",
          "nome,razaosocial,endereco,bairro,cep,tipopessoa,cpf,identidade,cnpj,inscestadual,email,pagina,observacao,"
          "idempresa,idcidade",
          "idcliente");
    TbCliente.setOnNewRecord([empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("tipopessoa")).setAsString(QStringLiteral("F"));
    });
    campos(TbCliente,
           {Campo("idcliente"), Campo("nome").obrigatorio(), Campo("razaosocial").obrigatorio(), Campo("endereco"),
            Campo("bairro"), Campo("tipopessoa").obrigatorio(), Campo("cpf"), Campo("identidade"), Campo("cnpj"),
            Campo("inscestadual"), Campo("email"), Campo("pagina"), Campo("observacao"),
            Campo("idempresa").obrigatorio(), Campo("idcidade").obrigatorio(), Campo("cep").mascara("00000\\-999;0;_").valida(TbClientecepValidate),
            Campo("nomecidade").naoGravado(), Campo("idestado").naoGravado(), Campo("idpais").naoGravado()});

    TbFoneCliente.setSql(QStringLiteral(
        "select t.* from tbfonecliente t inner join tbcliente c on c.idcliente = t.idcliente where t.idcliente = "
        ":idcliente and t.idempresa = :Pidempresa order by t.local"));
    TbFoneCliente.setMaster(&TbCliente);
    TbFoneCliente.setOnNewRecord([this, empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("idcliente")).setValue(valorDe(TbCliente, "idcliente"));
    });
    campos(TbFoneCliente, {Campo("idcliente").obrigatorio(), Campo("local"), Campo("idempresa").obrigatorio(),
                           Campo("telefone").obrigatorio().mascara("!\\(99\\) 0000-0000;0;_")});

    TbPagar.setSql(QStringLiteral(
        "select p.*, f.nomefantasia from tbpagar p inner join tbfornecedor f on f.idfornecedor = p.idfornecedor "
        "where p.idempresa = :pidempresa and p.idpagar = :Pidpagar and f.idempresa = p.idempresa;"));
    grava(TbPagar, UpdatePagar, "tbpagar",
          "idpagar,idempresa,idfornecedor,dtemissao,dtvencimento,dtprorroga,dtpagamento,valortitulo,valormulta,"
          "valorjuros,valordesconto,percjuros,pagoantecipado,tipojuros,titulopago,taxaboleto,observacao,valorpago,"
          "idusuario",
          "idpagar");
    TbPagar.setOnNewRecord(tituloNovo);
    campos(TbPagar, {Campo("idpagar").obrigatorio(), Campo("idempresa").obrigatorio(),
                     Campo("dtemissao").obrigatorio().mascara("!99/99/0000;1;_"),
                     Campo("dtvencimento").obrigatorio().mascara("!99/99/0000;1;_"),
                     Campo("dtprorroga").mascara("!99/99/0000;1;_"), Campo("dtpagamento").mascara("!99/99/0000;1;_"),
                     Campo("valortitulo").obrigatorio().moeda(), Campo("valormulta").moeda(),
                     Campo("valorjuros").moeda(), Campo("valordesconto").moeda(), Campo("percjuros"),
                     Campo("pagoantecipado").obrigatorio(), Campo("taxaboleto").moeda(), Campo("observacao"),
                     Campo("valorpago").obrigatorio().moeda(), Campo("tipojuros").obrigatorio(),
                     Campo("titulopago").obrigatorio(), Campo("idfornecedor").obrigatorio(),
                     Campo("nomefantasia").naoGravado(), Campo("idusuario")});

    TbReceber.setSql(QStringLiteral(
        "select r.*, c.nome from tbreceber r inner join tbcliente c on c.idcliente = r.idcliente where r.idreceber = "
        ":Pidreceber and r.idempresa = :Pidempresa and c.idempresa = r.idempresa;"));
    grava(TbReceber, UpdateReceber, "tbreceber",
          "idreceber,idcliente,idempresa,dtemissao,dtvencimento,dtprorroga,dtpagamento,titulopago,pagoantecipado,"
          "valortitulo,valormulta,percjuros,tipojuros,valorjuros,valordesconto,taxaboleto,valorpago,observacao,"
          "idusuario",
          "idreceber");
    TbReceber.setOnNewRecord(tituloNovo);
    campos(TbReceber, {Campo("idreceber").obrigatorio(), Campo("idcliente").obrigatorio(),
                       Campo("idempresa").obrigatorio(), Campo("dtemissao").obrigatorio().mascara("!99/99/0000;1;_"),
                       Campo("dtvencimento").obrigatorio().mascara("!99/99/0000;1;_"),
                       Campo("dtprorroga").mascara("!99/99/0000;1;_"),
                       Campo("dtpagamento").mascara("!99/99/0000;1;_"), Campo("titulopago").obrigatorio(),
                       Campo("pagoantecipado").obrigatorio(), Campo("valortitulo").obrigatorio().moeda(),
                       Campo("valormulta").moeda(), Campo("percjuros"), Campo("tipojuros").obrigatorio(),
                       Campo("valorjuros").moeda(), Campo("valordesconto").moeda(), Campo("taxaboleto"),
                       Campo("valorpago").moeda(), Campo("observacao"), Campo("nome").naoGravado(),
                       Campo("idusuario")});
}

void TdmDados::configuraEstoque() {
    auto empresaAtual = [this](Dataset &ds) { ds.fieldByName(QStringLiteral("idempresa")).setAsInteger(EmpresaAtual); };

    TbUnidade.setSql(QStringLiteral("select * from tbunidade where idunidade = :Pidunidade and idempresa = :Pidempresa;"));
    TbUnidade.setOnNewRecord(empresaAtual);
    campos(TbUnidade, {Campo("idunidade").obrigatorio(), Campo("nomeunidade").obrigatorio(), Campo("observacao"),
                       Campo("idempresa").obrigatorio()});

    // Stock groups belong to a company like every other register.
    TbGrEstoque.setSql(QStringLiteral("select * from tbgrestoque where idempresa = :Pidempresa"));
    TbGrEstoque.setOnNewRecord(empresaAtual);
    campos(TbGrEstoque, {Campo("idgrestoque"), Campo("nomegrestoque").obrigatorio(), Campo("observacao"),
                         Campo("idempresa").obrigatorio()});

    TbSbgEstoque.setSql(QStringLiteral("select s.* from tbsbgestoque s where s.idgrestoque = :idgrestoque"));
    TbSbgEstoque.setMaster(&TbGrEstoque);
    TbSbgEstoque.setOnNewRecord([this, empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("idgrestoque"))
            .setValue(valorDe(TbGrEstoque, "idgrestoque"));
    });
    campos(TbSbgEstoque, {Campo("idsbgestoque").obrigatorio(), Campo("nomesbgestoque").obrigatorio(),
                          Campo("observacao"), Campo("idempresa").obrigatorio(), Campo("idgrestoque").obrigatorio()});

    TbItemEstoque.setSql(QStringLiteral(
        "Select distinct i.*, s.nomesbgestoque, u.nomeunidade from tbitemestoque i inner join tbsbgestoque s on "
        "s.idsbgestoque = i.idsbgestoque inner join tbunidade u on u.idunidade = i.idunidade where i.iditemestoque "
        "= :Piditemestoque and i.idempresa = :Pidempresa and s.idempresa = i.idempresa and u.idempresa = "
        "i.idempresa;"));
    grava(TbItemEstoque, UpdateItemEstoque, "tbitemestoque",
          "iditemestoque,idsbgestoque,idgrestoque,nomeitem,idunidade,etqminimo,dtultimacompra,vlrultimacompra,"
          "idempresa,vlrmediocompra",
          "iditemestoque,idsbgestoque,idgrestoque");
    TbItemEstoque.setOnNewRecord([empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("dtultimacompra")).setAsDate(QDate::currentDate());
    });
    campos(TbItemEstoque, {Campo("iditemestoque"), Campo("idsbgestoque").obrigatorio(),
                           Campo("idgrestoque").obrigatorio(), Campo("nomeitem").obrigatorio(),
                           Campo("idunidade").obrigatorio(), Campo("etqminimo"),
                           Campo("dtultimacompra").mascara("!99/99/0000;1;_"), Campo("vlrultimacompra").moeda(),
                           Campo("idempresa").obrigatorio(), Campo("vlrmediocompra").moeda(),
                           Campo("nomesbgestoque").naoGravado(), Campo("nomeunidade").naoGravado()});

    TbMovimento.setSql(QStringLiteral(
        "select m.* from tbmovimento m where m.idempresa = :Pidempresa and m.idmovimento = :Pidmovimento"));
    grava(TbMovimento, UpdateMovimento, "tbmovimento",
          "idmovimento,datamov,horamov,datalancamento,horalancamento,iditemestoque,idsbgestoque,idgrestoque,"
          "idempresa,quantidade,precounitario,totalunitario,idunidade,tipomov",
          "idmovimento");
    TbMovimento.setOnNewRecord([empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        const QDate hoje = QDate::currentDate();
        const QString agora = horaAtual("hh:mm");
        ds.fieldByName(QStringLiteral("datalancamento")).setAsDate(hoje);
        ds.fieldByName(QStringLiteral("datamov")).setAsDate(hoje);
        ds.fieldByName(QStringLiteral("horalancamento")).setAsString(agora);
        ds.fieldByName(QStringLiteral("horamov")).setAsString(agora);
        ds.fieldByName(QStringLiteral("tipomov")).setAsString(QStringLiteral("ENTRADA"));
    });
    campos(TbMovimento, {Campo("idmovimento").obrigatorio(), Campo("datamov"), Campo("horamov"),
                         Campo("datalancamento"), Campo("horalancamento"), Campo("iditemestoque").obrigatorio(),
                         Campo("idsbgestoque").obrigatorio(), Campo("idgrestoque").obrigatorio(),
                         Campo("idempresa").obrigatorio(), Campo("quantidade").obrigatorio(),
                         Campo("precounitario").obrigatorio().formatoEdicao("0.00"),
                         Campo("totalunitario").formatoEdicao("0.00").moeda(), Campo("idunidade").obrigatorio(),
                         Campo("tipomov").obrigatorio()});

    TbServico.setSql(QStringLiteral("select * from tbservico where idservico = :Pidservico and idempresa = :Pidempresa;"));
    grava(TbServico, UpdateServico, "tbservico", "idservico,nomeservico,observacao,idempresa",
          "idservico,nomeservico,observacao,idempresa");
    TbServico.setOnNewRecord(empresaAtual);
    campos(TbServico, {Campo("idservico"), Campo("nomeservico").obrigatorio(), Campo("observacao"),
                       Campo("idempresa").obrigatorio()});

    TbManutencao.setSql(QStringLiteral(
        "select * from tbmanutencao where idempresa = :Pidempresa and idmanutencao = :Pidmanutencao"));
    grava(TbManutencao, UpdateManutencao, "tbmanutencao",
          "idmanutencao,idgrestoque,idempresa,idveiculo,iditemestoque,idsbgestoque,idservico,datamanut,horamanut",
          "idmanutencao");
    TbManutencao.setOnNewRecord([empresaAtual](Dataset &ds) {
        empresaAtual(ds);
        ds.fieldByName(QStringLiteral("datamanut")).setAsDate(QDate::currentDate());
        ds.fieldByName(QStringLiteral("horamanut")).setAsString(horaAtual("hh:mm"));
    });
    campos(TbManutencao, {Campo("idmanutencao"), Campo("idgrestoque"), Campo("idempresa").obrigatorio(),
                          Campo("idveiculo").obrigatorio(), Campo("iditemestoque"), Campo("idsbgestoque"),
                          Campo("idservico"), Campo("datamanut"), Campo("horamanut")});
}
