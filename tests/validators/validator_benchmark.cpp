// Speed of the validators, through the exported functions (name dispatch included) and through the
// internal entry the writer uses. Goals: CNPJ and CPF above 20 million calls a second, table
// look-ups above 5 million.
#include <benchmark/benchmark.h>

#include <string>

#include "escrivania.h"
#include "reference_tables.h"
#include "validators.h"

namespace {

using Validator = std::uint8_t(ESC_CALLCONV*)(esc::Text);

void exported(benchmark::State& state, Validator function, const char* value) {
  for (auto _ : state) benchmark::DoNotOptimize(function(value));
  state.SetItemsProcessed(state.iterations());
}

void internal(benchmark::State& state, const char* validator, const char* value) {
  for (auto _ : state) benchmark::DoNotOptimize(escrivania::validateValues(validator, value));
  state.SetItemsProcessed(state.iterations());
}

void inscEst(benchmark::State& state, const char* ie, const char* uf) {
  for (auto _ : state) benchmark::DoNotOptimize(vInscEst(ie, uf));
  state.SetItemsProcessed(state.iterations());
}

// The exported validators read the tables beside the library (the build's output folder).
BENCHMARK_CAPTURE(exported, cnpj, vCNPJ, "11222333000181");
BENCHMARK_CAPTURE(exported, cnpj_masked, vCNPJ, "11.222.333/0001-81");
BENCHMARK_CAPTURE(exported, cnpj_alphanumeric, vCNPJ, "12ABC34501DE35");
BENCHMARK_CAPTURE(exported, cpf, vCPF, "73190456216");
BENCHMARK_CAPTURE(exported, municipio, vCod_Municipio, "2927408");
BENCHMARK_CAPTURE(exported, cfop, vCOD_CFOP, "5.301");
BENCHMARK_CAPTURE(exported, ncm, vCOD_NCM, "84713012");
BENCHMARK_CAPTURE(exported, pais, vCOD_PAIS, "01058");
BENCHMARK_CAPTURE(exported, cst_icms, vCST_ICMS, "060");
BENCHMARK_CAPTURE(exported, modelo, vCod_modelo_documento_fiscal_4_1_1, "55");
BENCHMARK_CAPTURE(inscEst, ie_sp, "110042490114", "SP");
BENCHMARK_CAPTURE(inscEst, ie_mg, "0623079040081", "MG");

void loadShipped(const benchmark::State&) {
  std::string reason;
  escrivania::loadReferenceTables(ESC_SHIPPED_TABLES, reason);
}
BENCHMARK_CAPTURE(internal, municipio, "vCod_Municipio", "2927408")->Setup(loadShipped);
BENCHMARK_CAPTURE(internal, ncm, "vCOD_NCM", "84713012")->Setup(loadShipped);
BENCHMARK_CAPTURE(internal, cfop, "vCOD_CFOP", "5301")->Setup(loadShipped);

}  // namespace

BENCHMARK_MAIN();
