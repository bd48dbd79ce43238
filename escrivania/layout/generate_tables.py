#!/usr/bin/env python3
"""Turns the EFD ICMS/IPI layout CSVs of this folder into the library's compiled-in tables.

Inputs: the records and fields of layout 019, the corrections to that extraction, the history of
fields added over the years (plus the older form of C177), the validator of each coded field and
library/functions.def. Output: one
C++ header of constexpr tables, included by escrivania/layout.h. Any inconsistency stops the build.
"""

import argparse
import csv
import re
import sys

BLOCK_ORDER = "0BCDEGHK19"
MIN_VERSION, MAX_VERSION, DEFAULT_VERSION = 2, 20, 19


def fail(message):
    sys.exit(f"generate_tables.py: {message}")


def read_csv(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def presence(text):
    """Presence rule of one column of the guide: O, OC, N (not to be given), or not applicable."""
    text = text.strip()
    if text == "O":
        return "Required"
    if text == "OC":
        return "Optional"
    if text == "N" or text.startswith("N "):
        return "Forbidden"
    if text in ("", "-") or "presentar" in text:  # "apresentar", "Não apresentar": not for this side
        return "NotApplicable"
    fail(f"unknown presence {text!r}")


def presences(required):
    """(entry, exit, direction unknown) presence of a field."""
    m = re.fullmatch(r"E:(.*) S:(.*)", required)
    if m:
        entry, exit_ = presence(m.group(1)), presence(m.group(2))
    else:
        entry = exit_ = presence(required)
    sides = [p for p in (entry, exit_) if p != "NotApplicable"]
    if sides and all(p == "Required" for p in sides):
        unknown = "Required"
    elif sides and all(p == "Forbidden" for p in sides):
        unknown = "Forbidden"
    else:
        unknown = "Optional"
    return entry, exit_, unknown


def field_flags(name, type_):
    flags = []
    if name.startswith("DT_"):
        flags.append("kDate")
    if name.startswith("MES_") or name == "PER_FISCAL":
        flags.append("kMonth")
    if set(name.split("_")) & {"CNPJ", "CPF", "CEP", "CFOP"}:
        flags.append("kPunctuation")
    return " | ".join(flags) if flags else "0"


def make_field(row, from_version):
    name, type_ = row["name"], row["type"]
    if type_ not in ("C", "N"):
        fail(f"{row['register']} field {row['seq']} {name}: type {type_!r}")
    size = int(row["size"]) if row["size"] else 0
    exact = row["fixed"] == "1"
    decimals = int(row["dec"]) if row["dec"] else 0
    if name.startswith("DT_"):  # every date of the layout is N 008*
        size, exact = 8, True
    if exact and size == 0:
        fail(f"{row['register']} field {row['seq']} {name}: exact size without a size")
    if decimals and type_ != "N":
        fail(f"{row['register']} field {row['seq']} {name}: decimals on a text field")
    entry, exit_, unknown = presences(row["required"])
    return {
        "name": name, "type": type_, "size": size, "exact": exact, "decimals": decimals,
        "entry": entry, "exit": exit_, "unknown": unknown, "from": from_version,
        "flags": field_flags(name, type_),
    }


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--registers", required=True)
    p.add_argument("--fields", required=True)
    p.add_argument("--corrections", required=True)
    p.add_argument("--history", required=True)
    p.add_argument("--validators", required=True)
    p.add_argument("--functions", required=True)
    p.add_argument("--output", required=True)
    a = p.parse_args()

    with open(a.functions, encoding="utf-8") as f:
        definitions = f.read()
    validator_names = set(re.findall(r"^ESC_VALIDATOR\((\w+),", definitions, re.M))

    registers = read_csv(a.registers)
    fields = read_csv(a.fields)
    index = {r["register"]: i for i, r in enumerate(registers)}
    if len(index) != len(registers):
        fail("duplicate record")

    by_key = {(f["register"], f["seq"]): f for f in fields}
    for c in read_csv(a.corrections):
        key = (c["register"], c["seq"])
        if key not in by_key or c["column"] not in by_key[key]:
            fail(f"correction of unknown field {key} {c['column']}")
        by_key[key][c["column"]] = c["value"]

    rows = {r["register"]: [] for r in registers}
    for f in fields:
        if f["register"] not in rows:
            fail(f"field of unknown record {f['register']}")
        rows[f["register"]].append(f)
    for reg, fs in rows.items():
        if [int(f["seq"]) for f in fs] != list(range(1, len(fs) + 1)) or fs[0]["name"] != "REG":
            fail(f"{reg}: fields not numbered 1..n from REG")
        if len(fs) != int(registers[index[reg]]["n_fields"]):
            fail(f"{reg}: {len(fs)} fields, n_fields says {registers[index[reg]]['n_fields']}")

    # Per record: the main form (fields 2..n of layout 019, each with the first COD_VER that has
    # it, plus fields of later layouts) and, for C177, its older form.
    first_version = {reg: [MIN_VERSION] * (len(fs) - 1) for reg, fs in rows.items()}
    extra = {reg: [] for reg in rows}
    old_forms = {}
    history = read_csv(a.history)
    for h in sorted(history, key=lambda h: (h["register"], int(h["seq"]))):
        reg, seq, version = h["register"], int(h["seq"]), int(h["cod_ver"])
        if reg not in rows:
            fail(f"history of unknown record {reg}")
        if h["change"] == "fields_from":
            versions = first_version[reg]
            if not 2 <= seq <= len(versions) + 1:
                fail(f"{reg}: history names field {seq}")
            for i in range(seq - 2, len(versions)):
                versions[i] = version
        elif h["change"] == "new_field":
            if seq != len(rows[reg]) + len(extra[reg]) + 1:
                fail(f"{reg}: new field {seq} does not follow the last one")
            extra[reg].append(make_field(h, version))
        elif h["change"] == "old_form":
            form = old_forms.setdefault(reg, {"until": version, "fields": []})
            if form["until"] != version or seq != len(form["fields"]) + 2:
                fail(f"{reg}: old form rows out of order")
            form["fields"].append(make_field(h, MIN_VERSION))
        else:
            fail(f"unknown history change {h['change']!r}")

    out_fields, out_shapes, out_records = [], [], []
    limited_slots = {}
    for i, r in enumerate(registers):
        reg = r["register"]
        main = [make_field(f, v) for f, v in zip(rows[reg][1:], first_version[reg])] + extra[reg]
        if any(b["from"] < a_["from"] for a_, b in zip(main, main[1:])):
            fail(f"{reg}: a field exists in an older layout than the one before it")
        shapes = []
        if reg in old_forms:
            until = old_forms[reg]["until"]
            shapes.append((old_forms[reg]["fields"], MIN_VERSION, until))
            shapes.insert(0, (main, until + 1, MAX_VERSION))
        else:
            shapes.append((main, MIN_VERSION, MAX_VERSION))
        first_shape = len(out_shapes)
        for fs, lo, hi in shapes:
            out_shapes.append({"first": len(out_fields), "count": len(fs), "from": lo, "to": hi})
            out_fields.extend(fs)

        parent = index.get(r["parent"], -1) if r["parent"] else -1
        if r["parent"] and parent < 0:
            fail(f"{reg}: unknown parent {r['parent']}")
        level = int(r["level"])
        if parent >= 0 and int(registers[parent]["level"]) != level - 1:
            fail(f"{reg}: level {level} under {r['parent']}")
        if r["block"] not in BLOCK_ORDER:
            fail(f"{reg}: block {r['block']}")
        occ = r["occurrence"]
        max_per_parent = {"1": 1, "1:1": 1, "1 por arquivo": 1, "1:4": 4}.get(occ, 0)
        if occ not in ("1", "1:1", "1 por arquivo", "1:4", "1:N", "V"):
            fail(f"{reg}: occurrence {occ!r}")
        slot = -1
        if max_per_parent and parent >= 0:
            slot = limited_slots.setdefault(parent, 0)
            limited_slots[parent] += 1
        ind_oper = next((k for k, f in enumerate(main) if f["name"] == "IND_OPER"), -1)
        if reg == "0000":
            kind = "FileOpening"
        elif reg == "9999":
            kind = "FileClosing"
        elif reg == "9900":
            kind = "Totals"
        elif reg.endswith("001") and level == 1:
            kind = "BlockOpening"
        elif reg.endswith("990") and level == 1:
            kind = "BlockClosing"
        else:
            kind = "Plain"
        out_records.append({
            "code": reg, "block": BLOCK_ORDER.index(r["block"]), "level": level, "parent": parent,
            "max": max_per_parent, "slot": slot, "firstShape": first_shape, "shapes": len(shapes),
            "indOper": ind_oper, "kind": kind,
        })

    # The validator of each coded field: the record's own row, else the row for any record ("*").
    checks = [None]  # index 0: no check
    check_index = {}
    by_field, overrides = {}, {}
    for v in read_csv(a.validators):
        names = v["validator"].split("/")
        if not all(n in validator_names for n in names) or len(names) > 2:
            fail(f"unknown validator {v['validator']}")
        if v["register"] != "*" and v["register"] not in index:
            fail(f"validator row for unknown record {v['register']}")
        key = (v["validator"], v["second"], v["also"])
        if key not in check_index:
            check_index[key] = len(checks)
            checks.append(key)
        target = overrides if v["function"] else by_field
        slot = (v["function"] or v["register"], v["field"])
        if slot in target:
            fail(f"two validators for {slot}")
        target[slot] = (check_index[key], v)
    used = set()

    def check_of(reg, field_name):
        for slot in ((reg, field_name), ("*", field_name)):
            if slot in by_field:
                used.add(slot)
                return by_field[slot]
        return (0, None)

    for r in out_records:
        for s_i in range(r["firstShape"], r["firstShape"] + r["shapes"]):
            shape = out_shapes[s_i]
            names = [f["name"] for f in out_fields[shape["first"]:shape["first"] + shape["count"]]]
            for k in range(shape["count"]):
                f = out_fields[shape["first"] + k]
                check, row = check_of(r["code"], f["name"])
                f["check"] = check
                if row and row["second"] and row["second"] not in names:
                    fail(f"{r['code']} {f['name']}: no field {row['second']} for the validator")
    unused = set(by_field) - used
    if unused:
        fail(f"validator rows that match no field: {sorted(unused)}")

    functions = []
    with open(a.functions, encoding="utf-8") as f:
        for m in re.finditer(r"^ESC_RECORD\((\w+),\s*(\d+)\)", f.read(), re.M):
            name, argc = m.group(1), int(m.group(2))
            code = name[len("Registro"):len("Registro") + 4]
            if code not in index:
                fail(f"{name}: no record {code}")
            rec = out_records[index[code]]
            shape = None
            for s in range(rec["firstShape"], rec["firstShape"] + rec["shapes"]):
                if argc <= out_shapes[s]["count"]:
                    shape = s
                    break
            if shape is None:
                fail(f"{name}: {argc} arguments fit no form of {code}")
            if rec["kind"] not in ("Plain", "BlockOpening", "FileOpening") and argc:
                fail(f"{name}: a closing record takes no argument")
            override_field, override_check = -1, 0
            for (fn_name, field_name), (check, _) in overrides.items():
                if fn_name != name:
                    continue
                shape_fields = out_fields[out_shapes[shape]["first"]:out_shapes[shape]["first"] + out_shapes[shape]["count"]]
                positions = [k for k, f in enumerate(shape_fields) if f["name"] == field_name]
                if not positions:
                    fail(f"{name}: no field {field_name} for its validator")
                override_field, override_check = positions[0], check
            functions.append((name, index[code], shape, argc, override_field, override_check))
    for fn_name, _ in overrides:
        if not any(f[0] == fn_name for f in functions):
            fail(f"validator row for unknown function {fn_name}")

    def pres(p):
        return f"Presence::{p}"

    def cstr(text):
        return f'"{text}"' if text else "nullptr"

    with open(a.output, "w", encoding="utf-8", newline="\n") as out:
        w = out.write
        w("// Generated by escrivania/layout/generate_tables.py from the CSVs beside it. Do not edit.\n")
        w("#pragma once\n\n// clang-format off\n")
        w(f"inline constexpr std::uint8_t kMinVersion = {MIN_VERSION};\n")
        w(f"inline constexpr std::uint8_t kMaxVersion = {MAX_VERSION};\n")
        w(f"inline constexpr std::uint8_t kDefaultVersion = {DEFAULT_VERSION};\n")
        w(f"inline constexpr std::size_t kMaxLimitedChildren = {max(limited_slots.values())};\n\n")
        w("// The validators of coded fields: name, the other name for CNPJ-or-CPF fields, the field\n"
          "// whose value is the second argument, and a value accepted besides.\n")
        w("inline constexpr ValueCheck kValueChecks[] = {\n  {nullptr, nullptr, nullptr, nullptr},\n")
        for validator, second, also in checks[1:]:
            names = validator.split("/")
            alt = f'"{names[1]}"' if len(names) > 1 else "nullptr"
            w(f'  {{"{names[0]}", {alt}, {cstr(second)}, {cstr(also)}}},\n')
        w("};\n\n")
        w("inline constexpr Field kFields[] = {\n")
        for f in out_fields:
            w(f'  {{"{f["name"]}", \'{f["type"]}\', {f["size"]}, {"true" if f["exact"] else "false"}, '
              f'{f["decimals"]}, {pres(f["entry"])}, {pres(f["exit"])}, {pres(f["unknown"])}, '
              f'{f["from"]}, {f["flags"]}, {f.get("check", 0)}}},\n')
        w("};\n\ninline constexpr Shape kShapes[] = {\n")
        for s in out_shapes:
            w(f'  {{{s["first"]}, {s["count"]}, {s["from"]}, {s["to"]}}},\n')
        w("};\n\ninline constexpr Record kRecords[] = {\n")
        for r in out_records:
            w(f'  {{"{r["code"]}", {r["block"]}, {r["level"]}, {r["parent"]}, {r["max"]}, {r["slot"]}, '
              f'{r["firstShape"]}, {r["shapes"]}, {r["indOper"]}, RecordKind::{r["kind"]}}},\n')
        w("};\n\n// In the order of functions.def.\ninline constexpr RecordFunction kRecordFunctions[] = {\n")
        for name, rec, shape, argc, override_field, override_check in functions:
            w(f'  {{"{name}", {rec}, {shape}, {argc}, {override_field}, {override_check}}},\n')
        w("};\n// clang-format on\n")


if __name__ == "__main__":
    main()
