// One look menu's rules, with pictures that are only names: when "Load from disk" asks, what it
// remembers, and which choice stays in use and checked.
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "shell/LookChoice.h"

using namespace velmor;

namespace {

enum class File { Missing, Unreadable, Good };

struct World {
  std::string folder = "/app/";
  MenuItem disk{"Disk", "Load from disk"}, plain{"Plain", "None"}, builtIn{"BuiltIn", "Built-in"};
  std::map<std::string, File> files;               // absent: missing
  std::deque<std::optional<std::string>> answers;  // the dialog's, in turn; cancelled once they run out
  std::vector<FileDialogRequest> asked;
  int errors = 0, fallBacks = 0;
  std::string picture;  // the picture in use
  LookChoice look{folder,
                  disk,
                  {{&plain, ""}, {&builtIn, "Pics/b.bmp"}},
                  {"Choose one", "Pictures|*.bmp", "Pics/"},
                  {[this](const FileDialogRequest& request) {
                     asked.push_back(request);
                     if (answers.empty()) return std::optional<std::string>();
                     auto answer = answers.front();
                     answers.pop_front();
                     return answer;
                   },
                   [this](const std::string& path) { return files.count(path) > 0; },
                   [this](const std::string& path) {
                     if (files[path] != File::Good) return ++errors, false;
                     picture = path;
                     return true;
                   },
                   [this] {
                     ++fallBacks;
                     look.Choose(builtIn);
                   }}};

  std::vector<MenuItem*> Checked() {
    std::vector<MenuItem*> out;
    for (MenuItem* item : {&disk, &plain, &builtIn})
      if (item->Checked()) out.push_back(item);
    return out;
  }
};

constexpr std::optional<File> NoneOrEach[] = {std::nullopt, File::Missing, File::Unreadable, File::Good};

const char* Name(File f) { return f == File::Missing ? "missing" : f == File::Unreadable ? "unreadable" : "good"; }

}  // namespace

TEST(LookChoice, LoadFromDiskFollowsTheDecisionTable) {
  const std::string first = "/home/first.bmp", kept = "/home/kept.bmp", answer = "/home/answer.bmp";
  for (bool diskInUse : {false, true})
    for (std::optional<File> remembered : NoneOrEach)  // none remembered, or a file in each state
      for (std::optional<File> chosen : NoneOrEach) {  // the dialog cancelled, or a file in each state
        SCOPED_TRACE(std::string(diskInUse ? "checked" : "unchecked") + ", remembered " +
                     (remembered ? Name(*remembered) : "none") + ", dialog " + (chosen ? Name(*chosen) : "cancelled"));
        World w;
        w.files[w.folder + "Pics/b.bmp"] = File::Good;
        w.files[first] = File::Good;
        if (diskInUse) {
          w.answers = {first};
          w.look.LoadFromDisk();
        } else {
          w.look.Choose(w.builtIn);
        }
        MenuItem* const before = w.look.InUse();
        const std::string beforePicture = w.picture;
        ASSERT_EQ(before, diskInUse ? &w.disk : &w.builtIn);
        w.asked.clear();
        w.look.remembered = remembered ? kept : "";
        if (remembered && *remembered != File::Missing) w.files[kept] = *remembered;
        if (chosen && *chosen != File::Missing) w.files[answer] = *chosen;
        w.answers = {chosen ? std::optional(answer) : std::nullopt};

        w.look.LoadFromDisk();

        // A remembered file that has gone is forgotten first, and then the dialog asks.
        const bool forgotten = !diskInUse && remembered == File::Missing;
        const bool asks = diskInUse || !remembered || forgotten;
        const std::optional<File> read = asks ? chosen : remembered;  // nothing read when cancelled
        const std::string readPath = asks ? answer : kept;
        const bool taken = read == File::Good;
        // Cancelled or unreadable after asking: what was remembered before; otherwise a file that
        // failed is not remembered (a chosen file that has gone is asked for once more, cancelled).
        const std::string nowRemembered = taken                             ? readPath
                                          : asks && chosen != File::Missing ? (remembered && !forgotten ? kept : "")
                                                                            : "";
        const size_t dialogs = !asks ? 0 : chosen == File::Missing ? 2 : 1;
        const int errors = read == File::Unreadable ? 1 : 0;
        EXPECT_EQ(w.asked.size(), dialogs);
        for (const FileDialogRequest& request : w.asked) {
          EXPECT_EQ(request.title, "Choose one");
          EXPECT_EQ(request.filter, "Pictures|*.bmp");
          EXPECT_EQ(request.initialFolder, "/app/Pics/");
        }
        EXPECT_EQ(w.errors, errors);
        EXPECT_EQ(w.look.remembered, nowRemembered);
        EXPECT_EQ(w.picture, taken ? readPath : beforePicture);
        MenuItem* const inUse = taken ? &w.disk : before;
        EXPECT_EQ(w.look.InUse(), inUse);
        EXPECT_EQ(w.Checked(), std::vector<MenuItem*>{inUse});
        EXPECT_EQ(w.fallBacks, 0);
      }
}

// At start-up no look is in use yet: a failure takes the fallback, once, whatever becomes of it.
TEST(LookChoice, WithNothingInUseAFailureFallsBackOnce) {
  for (File builtIn : {File::Missing, File::Unreadable, File::Good}) {
    SCOPED_TRACE(Name(builtIn));
    World w;
    if (builtIn != File::Missing) w.files[w.folder + "Pics/b.bmp"] = builtIn;
    w.look.LoadFromDisk();  // nothing remembered: the dialog, cancelled
    EXPECT_EQ(w.fallBacks, 1);
    // A missing built-in asks once more, and that cancel no longer falls back.
    EXPECT_EQ(w.asked.size(), builtIn == File::Missing ? 2u : 1u);
    const bool good = builtIn == File::Good;
    EXPECT_EQ(w.look.InUse(), good ? &w.builtIn : nullptr);
    EXPECT_EQ(w.Checked(), good ? std::vector<MenuItem*>{&w.builtIn} : std::vector<MenuItem*>{});
    EXPECT_EQ(w.picture, good ? "/app/Pics/b.bmp" : "");
  }
}
