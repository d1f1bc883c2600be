// The life of a window instance without the platform: what Show and Unload
// do in each state, and when the program ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/runtime_error.h"
#include "forms/window_instance.h"

namespace {

std::vector<std::string> g_log;

class FakeWindow : public forms::WindowInstance {
public:
    explicit FakeWindow(std::string name) : name_(std::move(name)) {}
    std::function<void()> onLoad, onUnload;
    int cancelWith = 0;

protected:
    void CreateWindowAndControls() override { g_log.push_back(name_ + " create"); }
    void Form_Load() override {
        g_log.push_back(name_ + " load");
        if (onLoad) onLoad();
    }
    void ShowLoaded() override { g_log.push_back(name_ + " show"); }
    void BringToFront() override { g_log.push_back(name_ + " front"); }
    void Form_Unload(int& cancel) override {
        g_log.push_back(name_ + " unload");
        if (onUnload) onUnload();
        cancel = cancelWith;
    }
    void DestroyWindowAndControls() override { g_log.push_back(name_ + " destroy"); }

private:
    std::string name_;
};

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        g_log.clear();
        ended = 0;
        forms::WindowInstance::OnLastUnloaded([this] { ++ended; });
    }
    void TearDown() override { forms::WindowInstance::OnLastUnloaded(nullptr); }
    int ended = 0;
};

using Log = std::vector<std::string>;

TEST_F(Lifecycle, ShowLoadsOnceThenOnlyBringsToTheFront) {
    FakeWindow a("a");
    EXPECT_FALSE(a.IsLoaded());
    EXPECT_TRUE(g_log.empty());  // creating the instance loads nothing
    a.Show();
    a.Show();
    EXPECT_EQ(g_log, (Log{"a create", "a load", "a show", "a front"}));
    EXPECT_EQ(forms::WindowInstance::LoadedCount(), 1);
    a.Unload();
    EXPECT_EQ(ended, 1);
}

TEST_F(Lifecycle, UnloadOfAWindowNotLoadedDoesNothingAndLoadsNothing) {
    FakeWindow a("a"), b("b");
    a.Show();
    g_log.clear();
    b.Unload();
    EXPECT_TRUE(g_log.empty());
    EXPECT_FALSE(b.IsLoaded());
    EXPECT_EQ(ended, 0);
    a.Unload();
    a.Unload();
    EXPECT_EQ(g_log, (Log{"a unload", "a destroy"}));
    EXPECT_EQ(ended, 1);
}

TEST_F(Lifecycle, AnUnloadHandlerThatUnloadsItsOwnWindowAndOthers) {
    FakeWindow main("main"), todo("todo"), about("about");
    main.Show();
    todo.Show();
    main.onUnload = [&] {
        main.Unload();   // its own unload is under way: nothing
        todo.Unload();
        about.Unload();  // never loaded: nothing
    };
    g_log.clear();
    main.Unload();
    EXPECT_EQ(g_log, (Log{"main unload", "todo unload", "todo destroy", "main destroy"}));
    EXPECT_EQ(ended, 1);  // once, when the last window went
    EXPECT_EQ(forms::WindowInstance::LoadedCount(), 0);

    main.Show();  // loads afresh
    EXPECT_EQ(g_log.back(), "main show");
    main.onUnload = nullptr;
    main.Unload();
}

TEST_F(Lifecycle, ShowingAnotherWindowBeforeUnloadingKeepsTheProgramRunning) {
    FakeWindow chooser("chooser"), checklist("checklist");
    chooser.Show();
    checklist.Show();
    chooser.Unload();
    EXPECT_EQ(ended, 0);
    checklist.Unload();
    EXPECT_EQ(ended, 1);
}

TEST_F(Lifecycle, ACancelledUnloadLeavesTheWindowLoaded) {
    FakeWindow a("a");
    a.Show();
    a.cancelWith = 1;
    a.Unload();
    EXPECT_TRUE(a.IsLoaded());
    EXPECT_EQ(ended, 0);
    a.cancelWith = 0;
    a.Unload();
    EXPECT_EQ(ended, 1);
}

TEST_F(Lifecycle, AnErrorInTheLoadHandlerLeavesNothingHalfLoaded) {
    FakeWindow a("a");
    a.onLoad = [] { forms::Raise(forms::kTypeMismatch); };
    EXPECT_THROW(a.Show(), forms::RuntimeError);
    EXPECT_FALSE(a.IsLoaded());
    EXPECT_EQ(forms::WindowInstance::LoadedCount(), 0);
}

}  // namespace
