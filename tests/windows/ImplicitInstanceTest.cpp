#include "WindowsTestSupport.h"

#include "windows/AboutScrn.h"
#include "windows/ResultsScrn.h"
#include "windows/newPlayerScrn.h"
#include "windows/startScrn.h"

using testsupport::AppFixture;

namespace {
template <class W> class ImplicitWindow : public AppFixture {
};
using Windows = ::testing::Types<tibbly::startScrn, tibbly::newPlayerScrn, tibbly::ResultsScrn,
                                 tibbly::AboutScrn>;
TYPED_TEST_SUITE(ImplicitWindow, Windows);
} // namespace

TYPED_TEST(ImplicitWindow, AccessorGivesTheOpenWindowUntilItClosesThenAFreshOne)
{
    EXPECT_EQ(fw::openImplicitInstance<TypeParam>(), nullptr);
    TypeParam* first = TypeParam::instance();
    EXPECT_TRUE(first->isVisible()) << "on screen from the moment it is made";
    EXPECT_EQ(TypeParam::instance(), first);
    ASSERT_TRUE(first->Close());
    // The closed window is not yet deleted, so a fresh one cannot share its address.
    TypeParam* second = TypeParam::instance();
    EXPECT_NE(second, first);
    EXPECT_FALSE(second->isClosed());
}
