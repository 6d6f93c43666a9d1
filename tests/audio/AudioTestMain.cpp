#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    // The dummy driver plays in real time without a sound card, so a test
    // can watch a click or a voice start, run and end.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
