#include "platform/core/CCurrent.h"

#include <gtest/gtest.h>

namespace {
// A polymorphic registrant, as the data modules are: its slot is filled while its base is built
// and cleared while the base is destroyed, when the object is not (or no longer) a Registrant.
// The sanitizer stage of CI fails on a cast to Registrant at those moments.
class Registrant : public CCurrent<Registrant>
{
public:
    static constexpr const char* SlotName = "Registrant";
    virtual ~Registrant() = default;
    virtual int Value() const { return 1; }
};

class DerivedRegistrant : public Registrant
{
public:
    int Value() const override { return 2; }
};
} // namespace

TEST(CCurrent, SlotFollowsTheLifetimeOfTheNewestObject)
{
    EXPECT_FALSE(Registrant::Exists());
    EXPECT_THROW(Registrant::Current(), Exception);
    {
        DerivedRegistrant first;
        EXPECT_EQ(Registrant::Current().Value(), 2);
        {
            Registrant second;
            EXPECT_EQ(&Registrant::Current(), &second);
        }
        EXPECT_FALSE(Registrant::Exists()) << "the newest one cleared the slot it held";
    }
    EXPECT_FALSE(Registrant::Exists());
}
