// Tests of the element-type listing: the types it names are the ones the dispatcher knows, and
// the committed docs table is the generated one.
#include "tools/element_types.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "olvenir_p.h"

namespace olv {
namespace {

// Every type outside the listing answers -1000 - type; every listed one answers otherwise.
// 24 and 37 are the dispatcher's two code-list types that name no list: their texts always fail.
TEST(ElementTypesTest, ListedTypesAreTheDispatchersTypes) {
  std::set<int> listed = {24, 37};
  for (const ElementType& t : element_types())
    for (int type = t.first; type <= t.last; ++type) listed.insert(type);
  for (int type = -32768; type <= 32767; ++type) {
    char16_t text[] = u"x";
    const int answer = f_KVTElem(static_cast<short>(type), text, 5);
    EXPECT_EQ(answer == -1000 - type, !listed.count(type)) << type << " = " << answer;
  }
}

TEST(ElementTypesTest, DocsTableIsTheGeneratedOne) {
  std::ifstream file(std::string(OLV_DOCS_DIR) + "/element-types.md");
  std::stringstream committed;
  committed << file.rdbuf();
  EXPECT_EQ(committed.str(), element_types_markdown(Language::kEnglish))
      << "regenerate: olvenir-check --list --types --markdown > docs/element-types.md";
}

}  // namespace
}  // namespace olv
