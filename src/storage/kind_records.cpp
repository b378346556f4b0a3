#include "storage/kind_records.h"

#include <utility>

namespace plexara {
namespace {

// Every alternative sits at the index of its own kind code.
template <std::size_t... I>
constexpr bool IndicesMatchKinds(std::index_sequence<I...>) {
  return ((std::variant_alternative_t<I, KindRecord>::kKind == I) && ...);
}
static_assert(IndicesMatchKinds(std::make_index_sequence<std::variant_size_v<KindRecord>>()),
              "KindRecord alternatives must follow the kind codes");

template <std::size_t... I>
KindRecord MakeByIndex(int kind, std::index_sequence<I...>) {
  KindRecord record;
  ((static_cast<int>(I) == kind ? (record.emplace<I>(), true) : false) || ...);
  return record;
}

}  // namespace

KindRecord MakeKindRecord(int kind) {
  return MakeByIndex(kind, std::make_index_sequence<std::variant_size_v<KindRecord>>());
}

const std::string& HintOf(const KindRecord& record) {
  return std::visit([](const auto& kindRecord) -> const std::string& { return kindRecord.hint; }, record);
}

std::string& HintOf(KindRecord& record) {
  return std::visit([](auto& kindRecord) -> std::string& { return kindRecord.hint; }, record);
}

void VisitKindRecord(FieldVisitor& v, KindRecord& record) {
  std::visit(
      [&v](auto& kindRecord) {
        using Record = std::decay_t<decltype(kindRecord)>;
        ScopedReportCode code(v, v.reading() ? Record::kReadCode : Record::kWriteCode);
        VisitFields(v, kindRecord);
      },
      record);
}

}  // namespace plexara
