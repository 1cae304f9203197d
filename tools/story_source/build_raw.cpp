// The "raw" section: byte runs laid over the built file, block by block.
#include "runtime/project/project_file.h"
#include "tools/story_source/build_story.h"

namespace story_source {
namespace {

void ReadRun(BuildContext& context, const Node& node, std::vector<RawRun>* runs) {
  const ObjectReader reader(context, node, {"block", "at", "hex"});
  if (!reader.IsObject()) return;
  const auto block_node = reader.Get("block");
  const auto at_node = reader.Get("at");
  const auto hex_node = reader.Get("hex");
  if (!block_node || !at_node || !hex_node) {
    context.Error(node, "a raw run needs \"block\", \"at\" and \"hex\"");
    return;
  }
  const auto name = ReadString(context, *block_node);
  if (!name) return;
  const int index = BlockNamed(*name);
  if (index < 0) {
    std::string known;
    for (const auto& block : project::kBlocks)
      known += (known.empty() ? "" : ", ") + std::string(block.name);
    context.Error(*block_node, "no block named \"" + *name + "\" (known: " + known + ")");
    return;
  }
  const auto& block = project::kBlocks[index];
  const auto at = ReadInteger(context, *at_node, 0, static_cast<int64_t>(block.size) - 1);
  const auto hex = ReadString(context, *hex_node);
  if (!at || !hex) return;
  RawRun run;
  if (!FromHex(*hex, &run.bytes)) {
    context.Error(*hex_node, "expected pairs of hexadecimal digits");
    return;
  }
  if (run.bytes.size() > block.size - static_cast<size_t>(*at)) {
    context.Error(*hex_node, std::to_string(run.bytes.size()) + " bytes from " +
                                 std::to_string(*at) + " run past the end of block " + *name +
                                 " (" + std::to_string(block.size) + " bytes)");
    return;
  }
  run.offset = block.offset + static_cast<size_t>(*at);
  runs->push_back(std::move(run));
}

}  // namespace

void BuildRaw(BuildContext& context, const Node& node, std::vector<RawRun>* runs) {
  if (!ExpectType(context, node, node.value->is_array(), "an array")) return;
  for (size_t i = 0; i < node.value->size(); ++i) {
    Node run = node.Element(i).At("raw entry " + std::to_string(i), -1);
    run.key.clear();
    ReadRun(context, run, runs);
  }
}

}  // namespace story_source
