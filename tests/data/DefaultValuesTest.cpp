#include "tests/data/GeneratedDatabase.h"

#include <gtest/gtest.h>
