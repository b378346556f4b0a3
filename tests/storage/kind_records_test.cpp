// All 27 kind records, table-driven: every field is given a non-default value by a visitor that
// walks the record's own field list, then the record must survive the binary form and the
// readable JSON form byte for byte.
#include "storage/kind_records.h"

#include <gtest/gtest.h>

#include "storage/binary_fields.h"
#include "storage/json_fields.h"
#include "support/picture_fixtures.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::Bytes;

// Fills every field it visits with a value of its own, different from field to field, and gives
// each list two elements (nested lists: two levels deep).
class PerturbingVisitor final : public FieldVisitor {
 public:
  bool reading() const override { return true; }
  void Byte(std::string_view, std::uint8_t& value) override { value = static_cast<std::uint8_t>(Next() % 250 + 1); }
  void Bool(std::string_view, bool& value) override { value = !value; }
  void UInt16(std::string_view, std::uint16_t& value) override { value = static_cast<std::uint16_t>(Next() + 1); }
  void Int16(std::string_view, std::int16_t& value) override { value = static_cast<std::int16_t>(-Next() - 1); }
  void Int32(std::string_view, std::int32_t& value) override { value = Next() * 3 + 1; }
  void UInt32(std::string_view, std::uint32_t& value) override { value = 0x80000000u + Next(); }
  void Color(std::string_view, ColorRef& value) override {
    const int n = Next();
    value = RgbColor(static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n * 2), 3);
  }
  void Enum(std::string_view, std::uint8_t& value, std::span<const std::string_view> names) override {
    value = names.size() > 1 ? static_cast<std::uint8_t>(value == names.size() - 1 ? 0 : names.size() - 1)
                             : static_cast<std::uint8_t>(value + 1);
  }
  void String(std::string_view, std::string& value) override { value = "s" + std::to_string(Next()) + "\xE9"; }
  void Font(std::string_view, FontData& value) override {
    value.name = "Font" + std::to_string(Next());
    value.color = RgbColor(9, 8, 7);
    value.size = 17;
    value.style = kFontItalic | kFontUnderline;
  }
  void Picture(std::string_view, plexara::Picture& value) override { value = SamplePng(); }
  void Effect(std::string_view, TFxEffect& value) override {
    value.alpha = 40;
    value.angle = -90;
    value.shadow.enabled = true;
    value.texture.enabled = true;
    value.texture.picture = SamplePng();
  }
  void FontLabels(std::string_view, TFontLabels& value) override {
    value.Add("Label" + std::to_string(Next())).font.size = 30;
  }
  void MenuItem(std::string_view, MenuItemData& value) override {
    value.caption = "Item" + std::to_string(Next());
    value.shortcut = kShortcutCtrl | 'Q';
    value.items.push_back(MenuItemData{.caption = "Sub"});
  }
  void Command(std::string_view, TCommand& value) override {
    value.actionKind = 2;
    value.actionTarget = "http://example.org/" + std::to_string(Next());
    value.name = "Name" + std::to_string(Next());
    value.groupName = "Group";
    value.visible = false;
  }
  void Fail(std::string_view) override { ok_ = false; }

 protected:
  bool BeginList(std::string_view, std::int32_t& count) override {
    count = depth_ < 2 ? 2 : 0;
    ++depth_;
    return true;
  }
  void BeginElement(std::size_t) override {}
  void EndElement() override {}
  void EndList() override { --depth_; }
  void BeginGroup(std::string_view) override {}
  void EndGroup() override {}

 private:
  int Next() { return ++counter_; }
  static const plexara::Picture& SamplePng() {
    static const plexara::Picture picture =
        plexara::Picture::FromPayload(GraphicClass::Png, testing_support::SamplePictureFile(GraphicClass::Png)).value();
    return picture;
  }
  int counter_ = 0;
  int depth_ = 0;
};

Bytes Write(const KindRecord& record) {
  MemoryOutStream out;
  BinaryWriteVisitor v(out, 0);
  VisitKindRecord(v, const_cast<KindRecord&>(record));
  EXPECT_TRUE(v.ok());
  return out.TakeBytes();
}

KindRecord Read(int kind, const Bytes& bytes) {
  KindRecord record = MakeKindRecord(kind);
  MemoryInStream in(bytes);
  BinaryReadVisitor v(in, 0);
  VisitKindRecord(v, record);
  EXPECT_TRUE(v.ok()) << "kind " << kind;
  EXPECT_EQ(in.Remaining(), 0u) << "kind " << kind;
  return record;
}

TEST(AllKindRecords, EveryFieldSetSurvivesBinaryAndJson) {
  for (int kind = 0; kind < kObjectKindCount; ++kind) {
    SCOPED_TRACE("kind " + std::to_string(kind) + " " + std::string(TypeNameOf(kind)));
    KindRecord perturbed = MakeKindRecord(kind);
    ASSERT_EQ(KindOf(perturbed), kind);
    PerturbingVisitor perturb;
    VisitKindRecord(perturb, perturbed);
    ASSERT_TRUE(perturb.ok());

    // One pass through the file form settles fields a reader normalises; from then on the
    // record, its bytes and its JSON form must all be stable.
    const KindRecord settled = Read(kind, Write(perturbed));
    EXPECT_FALSE(settled == MakeKindRecord(kind)) << "the perturbation changed nothing";
    const Bytes bytes = Write(settled);
    EXPECT_TRUE(Read(kind, bytes) == settled);

    JsonWriteVisitor dump;
    VisitKindRecord(dump, const_cast<KindRecord&>(settled));
    const Json json = Json::parse(dump.TakeJson().dump());
    KindRecord built = MakeKindRecord(kind);
    JsonReadVisitor build(json);
    VisitKindRecord(build, built);
    ASSERT_TRUE(build.ok()) << build.error();
    EXPECT_EQ(Write(built), bytes);
  }
}

}  // namespace
}  // namespace plexara
