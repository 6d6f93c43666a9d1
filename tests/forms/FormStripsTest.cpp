#include "MainFormDescription.h"
#include "PngImage.h"
#include "Resources.h"
#include "SubFormDescription.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <vector>

namespace {

// The button strips are generated artwork, embedded under the names of their
// controls. Until a build embeds them these tests have nothing to check; once
// any strip is embedded, every strip of both windows must be.

std::vector<const TControlDesc *> ControlsWithStrips()
{
    std::vector<const TControlDesc *> controls;
    for (const TFormDesc *form : {&MainFormDescription(), &SubFormDescription()})
        for (const TControlDesc &c : form->Controls)
            if (c.Picture != nullptr)
                controls.push_back(&c);
    return controls;
}

bool AnyStripEmbedded()
{
    for (const TControlDesc *c : ControlsWithStrips())
        if (LoadResource(QString::fromUtf8(c->Picture)))
            return true;
    return false;
}

TEST(FormStrips, EveryStripIsEmbeddedOnceAnyIs)
{
    if (!AnyStripEmbedded())
        GTEST_SKIP() << "no button strips are embedded in this build";
    QStringList missing;
    for (const TControlDesc *c : ControlsWithStrips())
        if (!LoadResource(QString::fromUtf8(c->Picture)))
            missing << QString::fromUtf8(c->Picture);
    EXPECT_TRUE(missing.isEmpty()) << "missing: " << missing.join(u", ").toStdString();
}

// A control takes the size of one frame of its strip, so a strip must hold
// its frames at exactly the size the window lays the control out in.
TEST(FormStrips, EveryStripHoldsItsFramesAtTheControlsSize)
{
    if (!AnyStripEmbedded())
        GTEST_SKIP() << "no button strips are embedded in this build";
    for (const TControlDesc *c : ControlsWithStrips()) {
        SCOPED_TRACE(c->Name);
        const TPngResult strip = LoadPicture(QString::fromUtf8(c->Picture));
        if (!strip) {
            ADD_FAILURE() << strip.Error.toStdString();
            continue;
        }
        EXPECT_EQ(strip.Image.width(), c->Width * c->NumBitmaps);
        // The option switches are stated 19 high; their strips are 20 high
        // and the switches take that height once loaded.
        EXPECT_EQ(strip.Image.height(), c->Height == 19 ? 20 : c->Height);
    }
}

} // namespace
