#pragma once
#include <gtest/gtest.h>

#include "fakes/FakeForm.h"

namespace qpa::fakes {

// A test with a main window controller wired to fakes of every port.
class FormFixture : public ::testing::Test, public FakeForm {};

}  // namespace qpa::fakes
