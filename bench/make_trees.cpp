// Writes a pair of folder trees for the folder comparison's bench:
//   make_trees FILES NEW OLD
// FILES files of 1 to 8 KB in folders of 50 under folders of 20; one in a hundred differs in
// the old tree (every other one in a single byte, so that its size is the same), one in a
// thousand is in the new tree only and one in a thousand in the old one only.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Text(std::mt19937 &random) {
  static const char *const words[] = {"value", "index", "return", "if",   "else",   "for",  "count",
                                      "name",  "list",  "self",   "data", "result", "None", "True"};
  std::uniform_int_distribution<int> length(1024, 8192), word(0, 13), line(3, 12);
  std::string text;
  const int size = length(random);
  while (static_cast<int>(text.size()) < size) {
    for (int w = line(random); w > 0; --w)
      text += std::string(words[word(random)]) + ' ';
    text += '\n';
  }
  return text;
}

void Put(const fs::path &file, const std::string &text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_trees FILES NEW OLD\n");
    return 2;
  }
  const long files = std::atol(argv[1]);
  const fs::path newRoot = argv[2], oldRoot = argv[3];
  std::mt19937 random(27);
  for (long k = 0; k < files; ++k) {
    char name[64];
    std::snprintf(name, sizeof name, "d%03ld/e%02ld/file%05ld.py", k / 1000, k / 50 % 20, k);
    std::string text = Text(random);
    if (k % 1000 == 999) {
      Put(newRoot / name, text); // only in the new tree
      continue;
    }
    if (k % 1000 == 998) {
      Put(oldRoot / name, text); // only in the old tree
      continue;
    }
    Put(newRoot / name, text);
    if (k % 100 == 50)
      text[text.size() / 2] = text[text.size() / 2] == 'x' ? 'y' : 'x';
    else if (k % 100 == 0)
      text += "changed\n";
    Put(oldRoot / name, text);
  }
  return 0;
}
