#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "chooser/file_chooser.h"
#include "settings_dialog/settings_dialog.h"
#include "sound/fake_mixer.h"
#include "support/answer_modal.h"
#include "ui/settings_hook.h"
#include "ui/window_fixture.h"

namespace tumblix::testing {
namespace {

using SetButton = WindowTest;

TEST_F(SetButton, OpensTheSettingsDialogWhichTheEndOfAGameTakesAway) {
    SoundSystem sounds{std::make_unique<test::FakeMixer>()};
    SequenceState sequence{random, clock};
    sequence.SequenceOn = true;
    installSettingsDialog(*window, sounds, sequence);
    EXPECT_TRUE(window->game().chooser().sequenceOn());
    int shown =
        answerModal<frmSettings>([&] { QTest::mouseClick(button("chkSet"), Qt::LeftButton); },
                                 [&](frmSettings& d) {
                                     EXPECT_EQ(d.windowTitle(), "Settings");
                                     frmOpen::shared();
                                     window->closeGameWindows();
                                     EXPECT_FALSE(d.isVisible() || frmOpen::loaded());
                                     d.close();
                                 });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(panel()[Ctl::chkSet].value, 0);
}

}  // namespace
}  // namespace tumblix::testing
