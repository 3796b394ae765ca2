-- vorlany database. Safe to load repeatedly: every object is created only if missing.
--
-- Server requirements: sql_mode must not contain ANSI_QUOTES (the program uses
-- double quotes as string delimiters) nor NO_AUTO_VALUE_ON_ZERO (rows are
-- copied back with id 0 and must receive a fresh auto-increment value).

CREATE DATABASE IF NOT EXISTS velnor DEFAULT CHARACTER SET cp1250 COLLATE cp1250_czech_cs;
USE velnor;

-- Column order matters: rows are copied back with SELECT *.
CREATE TABLE IF NOT EXISTS vorlany (
    id         INT NOT NULL AUTO_INCREMENT,
    ZAKAZKA    VARCHAR(20)  NULL,
    ICO        VARCHAR(15)  NULL,
    NAZEVPODNI VARCHAR(100) NULL,
    POPIS      VARCHAR(100) NULL,
    POPIS2     VARCHAR(100) NULL,
    STREDISKO  INT          NULL,
    DATUMOD    DATETIME     NULL,
    DATUMDO    DATETIME     NULL,
    PRIMARY KEY (id),
    KEY idx_vorlany_nazev_zakazka (NAZEVPODNI, ZAKAZKA),
    KEY idx_vorlany_zakazka (ZAKAZKA)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_czech_cs;

CREATE TABLE IF NOT EXISTS adresar (
    id         INT NOT NULL AUTO_INCREMENT,
    ICO        VARCHAR(15)  NULL,
    NAZEVPODNI VARCHAR(100) NULL,
    SIDLO      VARCHAR(60)  NULL,
    ULICECISLO VARCHAR(60)  NULL,
    PSC        VARCHAR(10)  NULL,
    POSTA      VARCHAR(60)  NULL,
    TELEFON    VARCHAR(40)  NULL,
    KOD_PLATCE VARCHAR(20)  NULL,
    EMAILOBJ   VARCHAR(80)  NULL,
    SLEVA      DECIMAL(5,2) NULL,
    PRIMARY KEY (id),
    KEY idx_adresar_nazev (NAZEVPODNI),
    KEY idx_adresar_ico (ICO)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_czech_cs;

CREATE TABLE IF NOT EXISTS dokladya (
    id           INT NOT NULL AUTO_INCREMENT,
    typ          INT          NULL,
    popis        VARCHAR(40)  NULL,
    cislodokladu VARCHAR(20)  NULL,
    obsah        LONGBLOB     NULL,
    PRIMARY KEY (id),
    KEY idx_dokladya_cislo_typ (cislodokladu, typ)
) ENGINE=InnoDB DEFAULT CHARSET=cp1250 COLLATE=cp1250_czech_cs;
