// The life of a window instance without the platform: what Show and Unload
// do in each state, and when the program ends.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "forms/window_instance.h"

namespace {

std::string g_log;

class FakeWindow : public forms::WindowInstance {
public:
    explicit FakeWindow(char name) : name_(name) {}
    std::function<void()> onUnload;

private:
    void Note(const char* what) { g_log += std::string(1, name_) + what + " "; }
    void CreateWindowAndControls() override { Note("create"); }
    void Form_Load() override { Note("load"); }
    void ShowLoaded() override { Note("show"); }
    void BringToFront() override { Note("front"); }
    void Form_Unload() override { Note("unload"); if (onUnload) onUnload(); }
    void DestroyWindowAndControls() override { Note("destroy"); }
    char name_;
};

TEST(Lifecycle, ShowAndUnloadDoTheirStepsOnceAndTheLastUnloadEndsTheProgram) {
    forms::WindowInstance::OnLastUnloaded([] { g_log += "END "; });
    FakeWindow a('a'), b('b');
    EXPECT_EQ(g_log, "") << "creating an instance loads nothing";
    a.Show(), a.Show(), b.Unload(), b.Show(), a.Unload(), a.Unload(), b.Unload(), a.Show(), a.Unload();
    EXPECT_EQ(g_log, "acreate aload ashow afront bcreate bload bshow aunload adestroy bunload bdestroy END "
                     "acreate aload ashow aunload adestroy END ");
    // As the checklist window's unload handler does: its own window, a loaded one, one never loaded.
    FakeWindow main('m'), todo('t'), about('x');
    main.Show(), todo.Show();
    main.onUnload = [&] { main.Unload(), todo.Unload(), about.Unload(); };
    g_log.clear();
    main.Unload();
    EXPECT_EQ(g_log, "munload tunload tdestroy mdestroy END ");
    forms::WindowInstance::OnLastUnloaded(nullptr);
}

}  // namespace
