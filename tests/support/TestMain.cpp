// Test main for tests without Qt.
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    zeva::test::UnpackTestEnvironment();
    testing::InitGoogleTest(&argc, argv);
    zeva::test::PrepareProcessEnvironment();
    zeva::test::InstallFreshFolderPerTest();
    zeva::test::CheckRequestedLocale();
    return RUN_ALL_TESTS();
}
