// When KELVO_TEST_LOCALE is set, every test runs with the C locale set to it, to prove that
// numeric text ignores the process locale (a GUI toolkit sets it from LANG).
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

namespace
{

class LocaleEnvironment : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        const char* name = std::getenv("KELVO_TEST_LOCALE");
        if (name && *name && !std::setlocale(LC_ALL, name))
            FAIL() << "locale " << name << " is not installed";
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new LocaleEnvironment);

} // namespace
