#!/usr/bin/env python3
"""Writes CFOP.res, NCM.res, MUNICIPIO.res and PAIS.res from the project's reference CSV tables.

Usage: make_reference_files.py REFDATA_FOLDER OUTPUT_FOLDER

The CSV tables (cfop.csv, ncm.csv, municipios.csv, paises.csv) and their provenance are described
in the README beside them; the form written here is described in README.md beside this script.
"""
import csv
import sys
from pathlib import Path

FORM = """\
# Forma (igual nos quatro arquivos): texto UTF-8, uma linha por código. Linhas vazias e linhas
# que começam por "#" são ignoradas. A primeira linha restante é o cabeçalho de colunas; cada
# linha seguinte traz os campos separados por "|", sem "|" dentro deles:
#   CODIGO     só algarismos, com os zeros à esquerda (CFOP 4, NCM 8, município 7, país 5)
#   INICIO     primeiro dia de validade, ddmmaaaa; vazio = desde sempre
#   FIM        último dia de validade, ddmmaaaa; vazio = ainda em vigor
#   TITULO     (só no CFOP) S = título de grupo, que não é código de operação; N = código
#   DESCRICAO  texto livre, não vazio
# Um código pode repetir-se em várias linhas desde que as validades não se sobreponham.
"""

HEADERS = {
    "CFOP": "CODIGO|INICIO|FIM|TITULO|DESCRICAO",
    "NCM": "CODIGO|INICIO|FIM|DESCRICAO",
    "MUNICIPIO": "CODIGO|INICIO|FIM|DESCRICAO",
    "PAIS": "CODIGO|INICIO|FIM|DESCRICAO",
}

ABOUT = {
    "CFOP": """\
# CFOP.res - Código Fiscal de Operações e Prestações (Convênio s/nº de 1970, SINIEF, com os Ajustes
# SINIEF até dezembro de 2023): os códigos e os títulos de grupo (x000, xx00 e xx50).
# As fontes não dão datas de validade: INICIO e FIM ficam vazios e todo código vale em qualquer
# período. Faltam os códigos revogados antes dessas fontes e as mudanças de 2024 em diante.
""",
    "NCM": """\
# NCM.res - Nomenclatura Comum do Mercosul: os códigos de 8 algarismos da tabela da NCM vigente em
# 20/08/2024 (Resolução Gecex nº 607/2024), com as datas de início e fim dessa tabela.
# A data 01/04/2022 é o início da edição da NCM em vigor (revisão do SH de 2022), não o nascimento
# do código: muitos desses códigos já existiam antes. Por isso INICIO fica vazio nesses códigos;
# os códigos criados depois de 01/04/2022 guardam a data em que começaram.
# Faltam: os códigos que só valeram antes de 01/04/2022 (NCM de 2017 e anteriores) e as alterações
# posteriores a 20/08/2024.
""",
    "MUNICIPIO": """\
# MUNICIPIO.res - Tabela de Municípios do IBGE: os 5.571 municípios (inclusive Fernando de Noronha
# e Boa Esperança do Norte/MT, de 2024), com nome e UF na descrição.
# As fontes não dão datas de criação nem de extinção: INICIO e FIM ficam vazios.
# 9999999 (exterior) não é município: é regra de alguns campos, não linha desta tabela.
""",
    "PAIS": """\
# PAIS.res - Tabela de Países (códigos do Banco Central com 5 algarismos; 01058 = Brasil): a
# tabela global de países do SPED e os códigos da tabela de países da NF-e de 2017.
# INICIO é a data em que o código entrou nessas tabelas; nenhuma fonte dá datas de fim.
""",
}


def write(out: Path, name: str, rows):
    lines = [ABOUT[name], FORM, HEADERS[name]]
    lines += ["|".join(r) for r in rows]
    (out / f"{name}.res").write_text("\n".join(lines) + "\n", encoding="utf-8", newline="\n")


def clean(text: str) -> str:
    return " ".join(text.replace("|", "/").split())


def main(refdata: Path, out: Path):
    with open(refdata / "cfop.csv", encoding="utf-8") as f:
        cfop = [(r["code"], r["valid_from"], r["valid_to"], "S" if r["title"] == "1" else "N", clean(r["description"]))
                for r in csv.DictReader(f)]
    write(out, "CFOP", cfop)

    with open(refdata / "ncm.csv", encoding="utf-8") as f:
        ncm = [(r["code"], "" if r["valid_from"] == "01042022" else r["valid_from"], r["valid_to"],
                clean(r["description"])) for r in csv.DictReader(f)]
    write(out, "NCM", ncm)

    with open(refdata / "municipios.csv", encoding="utf-8") as f:
        mun = [(r["code"], "", "", clean(f'{r["name"]} - {r["uf"]}')) for r in csv.DictReader(f)]
    write(out, "MUNICIPIO", mun)

    with open(refdata / "paises.csv", encoding="utf-8") as f:
        pais = [(r["code"], r["valid_from"], r["valid_to"], clean(r["name"])) for r in csv.DictReader(f)]
    write(out, "PAIS", pais)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(Path(sys.argv[1]), Path(sys.argv[2]))
