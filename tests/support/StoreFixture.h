// A scratch installation with a live component instance and a builder for its store (this
// machine, today).
#pragma once

#include "component/clsRNX10A.h"
#include "platform/FileSystemObject.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <memory>

namespace rnx10::test {

class StoreFixture : public ::testing::Test {
protected:
    Installation inst;
    StoreBuilder store{inst.store()};
    std::unique_ptr<clsRNX10A> rnx = std::make_unique<clsRNX10A>();
    FileSystemObject fso; // handed to the store code under test
};

} // namespace rnx10::test
