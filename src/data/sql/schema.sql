-- DravTolvera database: the 41 tables and their seed rows.
-- Runs inside the database just created (CREATE DATABASE and USE are issued
-- by the program), one statement at a time, split at ";". The file is UTF-8;
-- the tables are latin1 and the server converts the seed texts.
SET NAMES utf8mb4;
SET FOREIGN_KEY_CHECKS = 0;

DROP TABLE IF EXISTS `tbabastece`;
CREATE TABLE `tbabastece` (
  `idabastece` int(11) NOT NULL AUTO_INCREMENT,
  `nota` int(11) DEFAULT NULL,
  `data` date NOT NULL,
  `hora` time NOT NULL,
  `qtdlitros` decimal(15,0) NOT NULL,
  `idfrentista` int(11) NOT NULL,
  `idveiculo` int(11) NOT NULL,
  `idoperador` int(11) NOT NULL,
  `idcombustivel` int(11) NOT NULL,
  `idempresa` int(11) NOT NULL,
  `VLitro` decimal(15,2) DEFAULT NULL,
  PRIMARY KEY (`idabastece`),
  KEY `idempresa` (`idempresa`),
  KEY `idfrentista` (`idfrentista`),
  KEY `idveiculo` (`idveiculo`),
  KEY `idoperador` (`idoperador`),
  KEY `idcombustivel` (`idcombustivel`),
  CONSTRAINT `tbabastece_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbabastece_ibfk_2` FOREIGN KEY (`idfrentista`) REFERENCES `tbfrentista` (`idfrentista`),
  CONSTRAINT `tbabastece_ibfk_3` FOREIGN KEY (`idveiculo`) REFERENCES `tbveiculo` (`idveiculo`),
  CONSTRAINT `tbabastece_ibfk_4` FOREIGN KEY (`idoperador`) REFERENCES `tboperador` (`idoperador`),
  CONSTRAINT `tbabastece_ibfk_5` FOREIGN KEY (`idcombustivel`) REFERENCES `tbcombustivel` (`idcombustivel`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbatestado`;
CREATE TABLE `tbatestado` (
  `idatestado` int(11) NOT NULL AUTO_INCREMENT,
  `idempresa` int(11) DEFAULT '0',
  `idordem` int(11) DEFAULT '0',
  `idcolaborador` int(11) DEFAULT '0',
  `dataatestado` date DEFAULT NULL,
  `data` date DEFAULT '0000-00-00',
  `hora` varchar(10) DEFAULT NULL,
  `idempresacolaborador` int(11) DEFAULT NULL,
  PRIMARY KEY (`idatestado`),
  KEY `idcolaborador` (`idcolaborador`),
  KEY `idordem` (`idordem`),
  KEY `idempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbbanco`;
CREATE TABLE `tbbanco` (
  `idbanco` int(11) NOT NULL,
  `nomebanco` varchar(40) NOT NULL,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idbanco`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbbanco_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbcidade`;
CREATE TABLE `tbcidade` (
  `idcidade` int(11) NOT NULL AUTO_INCREMENT,
  `nomecidade` varchar(50) NOT NULL,
  `idestado` varchar(2) NOT NULL,
  `Idpais` varchar(3) NOT NULL,
  PRIMARY KEY (`idcidade`),
  KEY `Idpais` (`Idpais`),
  KEY `idestado` (`idestado`),
  CONSTRAINT `tbcidade_ibfk_1` FOREIGN KEY (`Idpais`) REFERENCES `tbpais` (`Idpais`),
  CONSTRAINT `tbcidade_ibfk_2` FOREIGN KEY (`idestado`) REFERENCES `tbestado` (`idestado`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbcliente`;
CREATE TABLE `tbcliente` (
  `idcliente` int(11) NOT NULL AUTO_INCREMENT,
  `nome` varchar(45) NOT NULL,
  `razaosocial` varchar(45) NOT NULL,
  `endereco` varchar(35) DEFAULT NULL,
  `bairro` varchar(35) DEFAULT NULL,
  `cep` varchar(8) DEFAULT NULL,
  `tipopessoa` varchar(1) NOT NULL DEFAULT 'F',
  `cpf` varchar(12) DEFAULT NULL,
  `identidade` varchar(20) DEFAULT NULL,
  `cnpj` varchar(18) DEFAULT NULL,
  `inscestadual` varchar(18) DEFAULT NULL,
  `email` varchar(35) DEFAULT NULL,
  `pagina` varchar(35) DEFAULT NULL,
  `observacao` blob,
  `idempresa` int(11) NOT NULL,
  `idcidade` int(11) NOT NULL,
  PRIMARY KEY (`idcliente`),
  KEY `idempresa` (`idempresa`),
  KEY `idcidade` (`idcidade`),
  CONSTRAINT `tbcliente_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbcliente_ibfk_2` FOREIGN KEY (`idcidade`) REFERENCES `tbcidade` (`idcidade`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbcolaborador`;
CREATE TABLE `tbcolaborador` (
  `idcolaborador` int(11) NOT NULL DEFAULT '0',
  `nome` varchar(40) NOT NULL DEFAULT '',
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `idturma` int(11) NOT NULL DEFAULT '0',
  `memoria` varchar(12) DEFAULT NULL,
  `suporte` char(30) DEFAULT NULL,
  `demitido` char(1) DEFAULT NULL,
  PRIMARY KEY (`idcolaborador`,`idempresa`),
  KEY `idturma` (`idturma`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbcolaborador_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbcolaborador_ibfk_2` FOREIGN KEY (`idturma`) REFERENCES `tbturma` (`idturma`),
  CONSTRAINT `tbcolaborador_ibfk_3` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbcolaborador_ibfk_4` FOREIGN KEY (`idturma`) REFERENCES `tbturma` (`idturma`),
  CONSTRAINT `tbcolaborador_ibfk_5` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbcolaborador_ibfk_6` FOREIGN KEY (`idturma`) REFERENCES `tbturma` (`idturma`),
  CONSTRAINT `tbcolaborador_ibfk_7` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbcombustivel`;
CREATE TABLE `tbcombustivel` (
  `idcombustivel` int(11) NOT NULL AUTO_INCREMENT,
  `nomecombustivel` varchar(30) NOT NULL,
  `idempresa` int(11) NOT NULL,
  `VLitro` decimal(15,2) DEFAULT NULL,
  PRIMARY KEY (`idcombustivel`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbcombustivel_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbconta`;
CREATE TABLE `tbconta` (
  `idbanco` int(11) NOT NULL,
  `agencia` varchar(10) NOT NULL,
  `conta` varchar(10) NOT NULL,
  `titular` varchar(45) NOT NULL,
  `pessoafj` varchar(1) NOT NULL,
  `idempresa` int(11) NOT NULL,
  `cpnj` varchar(18) DEFAULT NULL,
  `cpf` varchar(12) DEFAULT NULL,
  `contato` varchar(30) DEFAULT NULL,
  `situacao` varchar(7) DEFAULT NULL,
  `telefone` varchar(10) DEFAULT NULL,
  PRIMARY KEY (`idbanco`,`agencia`,`conta`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbconta_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbconta_ibfk_2` FOREIGN KEY (`idbanco`) REFERENCES `tbbanco` (`idbanco`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbempresa`;
CREATE TABLE `tbempresa` (
  `idempresa` int(11) NOT NULL AUTO_INCREMENT,
  `nome` varchar(40) DEFAULT NULL,
  `endereco` varchar(40) DEFAULT NULL,
  `idcidade` int(11) DEFAULT NULL,
  PRIMARY KEY (`idempresa`),
  KEY `idcidade` (`idcidade`),
  CONSTRAINT `NewForeignKey` FOREIGN KEY (`idcidade`) REFERENCES `tbcidade` (`idcidade`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbestado`;
CREATE TABLE `tbestado` (
  `idestado` varchar(2) NOT NULL,
  `nome` varchar(40) NOT NULL,
  `Idpais` varchar(3) NOT NULL,
  PRIMARY KEY (`idestado`),
  KEY `Idpais` (`Idpais`),
  CONSTRAINT `tbestado_ibfk_1` FOREIGN KEY (`Idpais`) REFERENCES `tbpais` (`Idpais`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbeventos`;
CREATE TABLE `tbeventos` (
  `idevento` int(11) NOT NULL DEFAULT '0',
  `descricao` varchar(40) NOT NULL DEFAULT '',
  `idempresa` int(11) NOT NULL DEFAULT '0',
  PRIMARY KEY (`idevento`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbeventos_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbfonecliente`;
CREATE TABLE `tbfonecliente` (
  `idcliente` int(11) NOT NULL,
  `telefone` varchar(10) NOT NULL,
  `local` varchar(15) DEFAULT NULL,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idcliente`),
  KEY `idempresa` (`idempresa`),
  KEY `idcliente` (`idcliente`),
  CONSTRAINT `tbfonecliente_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbfonecliente_ibfk_2` FOREIGN KEY (`idcliente`) REFERENCES `tbcliente` (`idcliente`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbfonefornecedor`;
CREATE TABLE `tbfonefornecedor` (
  `telefone` varchar(10) NOT NULL,
  `local` varchar(15) NOT NULL,
  `idempresa` int(11) NOT NULL,
  `idfornecedor` int(11) NOT NULL,
  PRIMARY KEY (`telefone`,`idfornecedor`),
  KEY `idempresa` (`idempresa`),
  KEY `idfornecedor` (`idfornecedor`),
  CONSTRAINT `tbfonefornecedor_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbfonefornecedor_ibfk_2` FOREIGN KEY (`idfornecedor`) REFERENCES `tbfornecedor` (`idfornecedor`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbfornecedor`;
CREATE TABLE `tbfornecedor` (
  `idfornecedor` int(11) NOT NULL AUTO_INCREMENT,
  `endereco` varchar(35) DEFAULT NULL,
  `bairro` varchar(30) DEFAULT NULL,
  `idcidade` int(11) NOT NULL,
  `idempresa` int(11) NOT NULL,
  `cep` varchar(8) DEFAULT NULL,
  `nomefantasia` varchar(45) DEFAULT NULL,
  `observacao` blob,
  `razaosocial` varchar(45) NOT NULL,
  `email` varchar(25) DEFAULT NULL,
  `pagina` varchar(30) DEFAULT NULL,
  `cpnj` varchar(18) DEFAULT NULL,
  `tipopessoa` enum('F','J') NOT NULL DEFAULT 'F',
  `inscestadual` varchar(18) DEFAULT NULL,
  `cpf` varchar(12) DEFAULT NULL,
  `identidade` varchar(20) DEFAULT NULL,
  PRIMARY KEY (`idfornecedor`),
  KEY `idcidade` (`idcidade`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbfornecedor_ibfk_1` FOREIGN KEY (`idcidade`) REFERENCES `tbcidade` (`idcidade`),
  CONSTRAINT `tbfornecedor_ibfk_2` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbfrentista`;
CREATE TABLE `tbfrentista` (
  `idfrentista` int(11) NOT NULL AUTO_INCREMENT,
  `nomefrentista` varchar(45) NOT NULL,
  `senhafrentista` varchar(7) NOT NULL,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idfrentista`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbfrentista_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbgleba`;
CREATE TABLE `tbgleba` (
  `idgleba` int(6) NOT NULL AUTO_INCREMENT,
  `nomegleba` varchar(35) NOT NULL DEFAULT '',
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `qtdplantas` int(11) NOT NULL,
  `dataplantio` date NOT NULL,
  `idvariedade` int(11) NOT NULL,
  `qtdhectare` decimal(10,2) NOT NULL,
  PRIMARY KEY (`idgleba`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbgleba_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbgrestoque`;
CREATE TABLE `tbgrestoque` (
  `idgrestoque` int(11) NOT NULL AUTO_INCREMENT,
  `nomegrestoque` varchar(35) NOT NULL,
  `observacao` blob,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idgrestoque`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbgrestoque_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbgrupoopera`;
CREATE TABLE `tbgrupoopera` (
  `idgrupo` int(11) NOT NULL AUTO_INCREMENT,
  `nomegrupo` varchar(35) NOT NULL DEFAULT '',
  `idempresa` int(11) NOT NULL DEFAULT '0',
  PRIMARY KEY (`idgrupo`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbgrupoopera_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbgrupoveiculo`;
CREATE TABLE `tbgrupoveiculo` (
  `idgrupoveiculo` int(11) NOT NULL AUTO_INCREMENT,
  `descricao` varchar(30) NOT NULL,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idgrupoveiculo`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbgrupoveiculo_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbitemestoque`;
CREATE TABLE `tbitemestoque` (
  `iditemestoque` int(11) NOT NULL,
  `idsbgestoque` int(11) NOT NULL,
  `idgrestoque` int(11) NOT NULL,
  `nomeitem` varchar(45) NOT NULL,
  `idunidade` varchar(3) NOT NULL,
  `etqminimo` decimal(15,2) DEFAULT NULL,
  `dtultimacompra` date DEFAULT NULL,
  `vlrultimacompra` decimal(15,2) DEFAULT NULL,
  `idempresa` int(11) NOT NULL,
  `vlrmediocompra` decimal(15,2) DEFAULT NULL,
  PRIMARY KEY (`iditemestoque`,`idsbgestoque`,`idgrestoque`,`idempresa`),
  KEY `idunidade` (`idunidade`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbitemestoque_ibfk_1` FOREIGN KEY (`idunidade`) REFERENCES `tbunidade` (`idunidade`),
  CONSTRAINT `tbitemestoque_ibfk_2` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tblancamento`;
CREATE TABLE `tblancamento` (
  `idlancamento` int(11) NOT NULL AUTO_INCREMENT,
  `idevento` int(11) NOT NULL DEFAULT '0',
  `idcolaborador` int(11) NOT NULL DEFAULT '0',
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `qtdhora` varchar(5) DEFAULT NULL,
  `referencia` int(11) DEFAULT NULL,
  `valor` float(15,2) DEFAULT NULL,
  `ano` int(4) unsigned DEFAULT NULL,
  `mes` tinyint(2) unsigned DEFAULT NULL,
  `dataref` date NOT NULL DEFAULT '0000-00-00',
  PRIMARY KEY (`idlancamento`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tblancamento_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbmanutencao`;
CREATE TABLE `tbmanutencao` (
  `idmanutencao` int(11) NOT NULL,
  `idgrestoque` int(11) DEFAULT NULL,
  `idempresa` int(11) NOT NULL,
  `idveiculo` int(11) NOT NULL,
  `iditemestoque` int(11) DEFAULT NULL,
  `idsbgestoque` int(11) DEFAULT NULL,
  `idservico` int(11) DEFAULT NULL,
  `datamanut` date DEFAULT NULL,
  `horamanut` varchar(10) DEFAULT NULL,
  PRIMARY KEY (`idmanutencao`),
  KEY `idempresa` (`idempresa`),
  KEY `idveiculo` (`idveiculo`),
  KEY `iditemestoque` (`iditemestoque`,`idsbgestoque`,`idgrestoque`),
  KEY `idservico` (`idservico`),
  CONSTRAINT `tbmanutencao_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbmanutencao_ibfk_2` FOREIGN KEY (`idveiculo`) REFERENCES `tbveiculo` (`idveiculo`),
  CONSTRAINT `tbmanutencao_ibfk_3` FOREIGN KEY (`iditemestoque`, `idsbgestoque`, `idgrestoque`) REFERENCES `tbitemestoque` (`iditemestoque`, `idsbgestoque`, `idgrestoque`),
  CONSTRAINT `tbmanutencao_ibfk_4` FOREIGN KEY (`idservico`) REFERENCES `tbservico` (`idservico`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbmarca`;
CREATE TABLE `tbmarca` (
  `idmarca` int(11) NOT NULL AUTO_INCREMENT,
  `nomemarca` varchar(35) NOT NULL,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idmarca`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbmarca_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbmovimento`;
CREATE TABLE `tbmovimento` (
  `idmovimento` int(11) NOT NULL AUTO_INCREMENT,
  `datamov` date DEFAULT NULL,
  `horamov` varchar(10) DEFAULT NULL,
  `datalancamento` date DEFAULT NULL,
  `horalancamento` varchar(10) DEFAULT NULL,
  `iditemestoque` int(11) NOT NULL,
  `idsbgestoque` int(11) NOT NULL,
  `idgrestoque` int(11) NOT NULL,
  `idempresa` int(11) NOT NULL,
  `quantidade` decimal(15,2) NOT NULL,
  `precounitario` decimal(15,2) NOT NULL,
  `totalunitario` decimal(15,2) DEFAULT NULL,
  `idunidade` varchar(3) NOT NULL,
  `tipomov` enum('ENTRADA','SAIDA','ESTORNO') NOT NULL DEFAULT 'ENTRADA',
  PRIMARY KEY (`idmovimento`,`idempresa`),
  KEY `idunidade` (`idunidade`),
  KEY `iditemestoque` (`iditemestoque`,`idsbgestoque`,`idgrestoque`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbmovimento_ibfk_1` FOREIGN KEY (`idunidade`) REFERENCES `tbunidade` (`idunidade`),
  CONSTRAINT `tbmovimento_ibfk_2` FOREIGN KEY (`iditemestoque`, `idsbgestoque`, `idgrestoque`) REFERENCES `tbitemestoque` (`iditemestoque`, `idsbgestoque`, `idgrestoque`),
  CONSTRAINT `tbmovimento_ibfk_3` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tboperacao`;
CREATE TABLE `tboperacao` (
  `idoperacao` int(11) NOT NULL AUTO_INCREMENT,
  `nomeoperacao` varchar(40) DEFAULT NULL,
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `idgrupo` int(11) NOT NULL DEFAULT '0',
  PRIMARY KEY (`idoperacao`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  KEY `idgrupo` (`idgrupo`),
  CONSTRAINT `tboperacao_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tboperacao_ibfk_2` FOREIGN KEY (`idgrupo`) REFERENCES `tbgrupoopera` (`idgrupo`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tboperador`;
CREATE TABLE `tboperador` (
  `idoperador` int(11) NOT NULL AUTO_INCREMENT,
  `nomeoperador` varchar(45) NOT NULL,
  `identidade` varchar(15) DEFAULT NULL,
  `cpf` varchar(12) DEFAULT NULL,
  `cnh` varchar(15) DEFAULT NULL,
  `categoria` varchar(2) DEFAULT NULL,
  `datavalidade` date DEFAULT NULL,
  `data1ahabilitacao` date DEFAULT NULL,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idoperador`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tboperador_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbordem`;
CREATE TABLE `tbordem` (
  `idordem` int(11) NOT NULL AUTO_INCREMENT,
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `idturma` int(11) NOT NULL DEFAULT '0',
  `dataordem` date NOT NULL DEFAULT '0000-00-00',
  `idoperacao` int(11) NOT NULL DEFAULT '0',
  `datainicio` date DEFAULT NULL,
  `precounit` float NOT NULL DEFAULT '0',
  `status` enum('A','I','C') DEFAULT NULL,
  `idgleba` int(6) NOT NULL DEFAULT '0',
  `datafim` date DEFAULT NULL,
  `idevento` int(11) NOT NULL DEFAULT '0',
  `tipopd` char(1) DEFAULT NULL,
  `idunidade` varchar(3) DEFAULT NULL,
  `idsafra` int(11) NOT NULL,
  PRIMARY KEY (`idordem`,`idempresa`),
  KEY `idturma` (`idturma`),
  KEY `idempresa` (`idempresa`),
  KEY `idoperacao` (`idoperacao`),
  KEY `idgleba` (`idgleba`),
  CONSTRAINT `tbordem_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbordem_ibfk_2` FOREIGN KEY (`idoperacao`) REFERENCES `tboperacao` (`idoperacao`),
  CONSTRAINT `tbordem_ibfk_3` FOREIGN KEY (`idgleba`) REFERENCES `tbgleba` (`idgleba`),
  CONSTRAINT `tbordem_ibfk_4` FOREIGN KEY (`idturma`) REFERENCES `tbturma` (`idturma`),
  CONSTRAINT `tbordem_ibfk_5` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbpagar`;
CREATE TABLE `tbpagar` (
  `idpagar` varchar(20) NOT NULL,
  `idempresa` int(11) NOT NULL,
  `idfornecedor` int(11) NOT NULL,
  `dtemissao` date NOT NULL,
  `dtvencimento` date NOT NULL,
  `dtprorroga` date DEFAULT NULL,
  `dtpagamento` date DEFAULT NULL,
  `valortitulo` decimal(15,2) NOT NULL,
  `valormulta` decimal(15,2) DEFAULT NULL,
  `valorjuros` decimal(15,2) DEFAULT NULL,
  `valordesconto` decimal(15,2) DEFAULT NULL,
  `percjuros` decimal(15,2) DEFAULT NULL,
  `pagoantecipado` enum('S','N') NOT NULL DEFAULT 'N',
  `tipojuros` enum('DIARIO','MENSAL','ANUAL') NOT NULL DEFAULT 'DIARIO',
  `titulopago` enum('S','N') NOT NULL DEFAULT 'N',
  `taxaboleto` decimal(15,2) DEFAULT NULL,
  `observacao` blob,
  `valorpago` decimal(15,2) NOT NULL,
  `idusuario` varchar(10) DEFAULT NULL,
  PRIMARY KEY (`idpagar`),
  KEY `idempresa` (`idempresa`),
  KEY `idfornecedor` (`idfornecedor`),
  CONSTRAINT `tbpagar_ibfk_1` FOREIGN KEY (`idfornecedor`) REFERENCES `tbfornecedor` (`idfornecedor`),
  CONSTRAINT `tbpagar_ibfk_2` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbpais`;
CREATE TABLE `tbpais` (
  `Idpais` varchar(3) NOT NULL,
  `nome` varchar(35) NOT NULL,
  PRIMARY KEY (`Idpais`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbparametro`;
CREATE TABLE `tbparametro` (
  `idparametro` int(11) NOT NULL AUTO_INCREMENT,
  `qtdlitro` int(11) DEFAULT NULL,
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `idsafra` int(11) NOT NULL DEFAULT '0',
  `datavigor` date DEFAULT NULL,
  `idunidade` varchar(3) DEFAULT NULL,
  PRIMARY KEY (`idparametro`,`idempresa`,`idsafra`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbproducao`;
CREATE TABLE `tbproducao` (
  `idproducao` int(11) NOT NULL AUTO_INCREMENT,
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `idordem` int(11) NOT NULL DEFAULT '0',
  `idcolaborador` int(11) NOT NULL DEFAULT '0',
  `qtdunit` float(15,2) NOT NULL DEFAULT '0.00',
  `data` date NOT NULL DEFAULT '0000-00-00',
  `status` enum('A','F') DEFAULT NULL,
  `hora` varchar(10) DEFAULT NULL,
  `idempresacolaborador` int(11) DEFAULT NULL,
  `idsafra` int(11) NOT NULL,
  PRIMARY KEY (`idproducao`),
  KEY `idcolaborador` (`idcolaborador`),
  KEY `idordem` (`idordem`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbproducao_ibfk_1` FOREIGN KEY (`idordem`) REFERENCES `tbordem` (`idordem`),
  CONSTRAINT `tbproducao_ibfk_2` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbproducao_ibfk_7` FOREIGN KEY (`idcolaborador`) REFERENCES `tbcolaborador` (`idcolaborador`),
  CONSTRAINT `tbproducao_ibfk_8` FOREIGN KEY (`idcolaborador`) REFERENCES `tbcolaborador` (`idcolaborador`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbreceber`;
CREATE TABLE `tbreceber` (
  `idreceber` varchar(20) NOT NULL,
  `idcliente` int(11) NOT NULL,
  `idempresa` int(11) NOT NULL,
  `dtemissao` date NOT NULL,
  `dtvencimento` date NOT NULL,
  `dtprorroga` date DEFAULT NULL,
  `dtpagamento` date DEFAULT NULL,
  `titulopago` enum('S','N') NOT NULL DEFAULT 'N',
  `pagoantecipado` enum('S','N') NOT NULL DEFAULT 'N',
  `valortitulo` decimal(15,2) NOT NULL,
  `valormulta` decimal(15,2) DEFAULT NULL,
  `percjuros` decimal(15,2) DEFAULT NULL,
  `tipojuros` enum('DIARIO','MENSAL','ANUAL') NOT NULL DEFAULT 'DIARIO',
  `valorjuros` decimal(15,2) DEFAULT NULL,
  `valordesconto` decimal(15,2) DEFAULT NULL,
  `taxaboleto` decimal(15,2) DEFAULT NULL,
  `valorpago` decimal(15,2) DEFAULT NULL,
  `observacao` blob,
  `idusuario` varchar(10) DEFAULT NULL,
  PRIMARY KEY (`idreceber`),
  KEY `idcliente` (`idcliente`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbreceber_ibfk_1` FOREIGN KEY (`idcliente`) REFERENCES `tbcliente` (`idcliente`),
  CONSTRAINT `tbreceber_ibfk_2` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbsafra`;
CREATE TABLE `tbsafra` (
  `idsafra` int(11) NOT NULL,
  `descricao` varchar(35) NOT NULL,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idempresa`,`idsafra`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbsbgestoque`;
CREATE TABLE `tbsbgestoque` (
  `idsbgestoque` int(11) NOT NULL,
  `nomesbgestoque` varchar(35) NOT NULL,
  `observacao` blob,
  `idempresa` int(11) NOT NULL,
  `idgrestoque` int(11) NOT NULL,
  PRIMARY KEY (`idgrestoque`,`idsbgestoque`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbsbgestoque_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbsbgestoque_ibfk_2` FOREIGN KEY (`idgrestoque`) REFERENCES `tbgrestoque` (`idgrestoque`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbservico`;
CREATE TABLE `tbservico` (
  `idservico` int(11) NOT NULL,
  `nomeservico` varchar(40) NOT NULL,
  `observacao` blob,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idservico`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbservico_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbturma`;
CREATE TABLE `tbturma` (
  `idturma` int(11) NOT NULL DEFAULT '0',
  `nome` varchar(20) NOT NULL DEFAULT '',
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `responsavel` varchar(40) NOT NULL DEFAULT '',
  PRIMARY KEY (`idturma`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbturma_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbturmaordem`;
CREATE TABLE `tbturmaordem` (
  `idturma` int(11) NOT NULL DEFAULT '0',
  `idempresa` int(11) NOT NULL DEFAULT '0',
  `idordem` int(11) NOT NULL DEFAULT '0',
  PRIMARY KEY (`idordem`,`idturma`),
  KEY `idempresa` (`idempresa`),
  KEY `idturma` (`idturma`),
  CONSTRAINT `tbturmaordem_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbturmaordem_ibfk_2` FOREIGN KEY (`idordem`) REFERENCES `tbordem` (`idordem`),
  CONSTRAINT `tbturmaordem_ibfk_3` FOREIGN KEY (`idturma`) REFERENCES `tbturma` (`idturma`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbunidade`;
CREATE TABLE `tbunidade` (
  `idunidade` varchar(3) NOT NULL,
  `nomeunidade` varchar(20) NOT NULL,
  `observacao` blob,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idunidade`,`idempresa`),
  KEY `idempresa` (`idempresa`),
  CONSTRAINT `tbunidade_ibfk_1` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbusuario`;
CREATE TABLE `tbusuario` (
  `IDUSUARIO` varchar(10) DEFAULT '0',
  `SENHA` varchar(40) DEFAULT '0',
  `nomeusuario` varchar(40) DEFAULT NULL
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbvariedade`;
CREATE TABLE `tbvariedade` (
  `idvariedade` int(11) NOT NULL AUTO_INCREMENT,
  `descricao` varchar(40) NOT NULL,
  `idempresa` int(11) NOT NULL DEFAULT '0',
  PRIMARY KEY (`idvariedade`,`idempresa`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

DROP TABLE IF EXISTS `tbveiculo`;
CREATE TABLE `tbveiculo` (
  `idveiculo` int(11) NOT NULL AUTO_INCREMENT,
  `placa` varchar(7) DEFAULT NULL,
  `idmarca` int(11) NOT NULL,
  `modelo` varchar(25) DEFAULT NULL,
  `idgrupoveiculo` int(11) NOT NULL,
  `tara` int(11) DEFAULT NULL,
  `capacidadecarga` int(11) DEFAULT NULL,
  `anofab` int(11) DEFAULT NULL,
  `chassi` varchar(25) DEFAULT NULL,
  `datacompra` date DEFAULT NULL,
  `idoperador` int(11) NOT NULL,
  `idempresa` int(11) NOT NULL,
  PRIMARY KEY (`idveiculo`),
  KEY `idoperador` (`idoperador`),
  KEY `idempresa` (`idempresa`),
  KEY `idgrupoveiculo` (`idgrupoveiculo`),
  KEY `idmarca` (`idmarca`),
  CONSTRAINT `tbveiculo_ibfk_1` FOREIGN KEY (`idoperador`) REFERENCES `tboperador` (`idoperador`),
  CONSTRAINT `tbveiculo_ibfk_2` FOREIGN KEY (`idempresa`) REFERENCES `tbempresa` (`idempresa`),
  CONSTRAINT `tbveiculo_ibfk_3` FOREIGN KEY (`idgrupoveiculo`) REFERENCES `tbgrupoveiculo` (`idgrupoveiculo`),
  CONSTRAINT `tbveiculo_ibfk_4` FOREIGN KEY (`idmarca`) REFERENCES `tbmarca` (`idmarca`)
) ENGINE=InnoDB DEFAULT CHARSET=latin1;

INSERT INTO `tbusuario` (`IDUSUARIO`,`SENHA`,`nomeusuario`) VALUES ('DRAVOLTA','QWEMBRXT','DRAVOLTA');
INSERT INTO `tbpais` (`Idpais`,`nome`) VALUES ('BRA','BRASIL');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('AC','Acre','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('AL','Alagoas','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('AM','Amazonas','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('AP','Amapá','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('BA','Bahia','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('CE','Ceará','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('DF','Distrito Federal','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('ES','Espírito Santo','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('GO','Goiás','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('MA','Maranhão','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('MG','Minas Gerais','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('MS','Mato Grosso do Sul','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('MT','Mato Grosso','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('PA','Pará','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('PB','Paraíba','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('PE','Pernambuco','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('PI','Piauí','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('PR','Paraná','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('RJ','Rio de Janeiro','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('RN','Rio Grande do Norte','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('RO','Rondônia','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('RR','Roraima','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('RS','Rio Grande do Sul','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('SC','Santa Catarina','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('SE','Sergipe','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('SP','São Paulo','BRA');
INSERT INTO `tbestado` (`idestado`,`nome`,`Idpais`) VALUES ('TO','Tocantins','BRA');

SET FOREIGN_KEY_CHECKS = 1;
