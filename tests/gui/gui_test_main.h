#pragma once
// Several QtTest classes in one program: each test file registers its class.

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace windara::gui::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& registeredTests();

template <class T>
struct RegisterTest {
  RegisterTest() {
    registeredTests().push_back([] { return std::make_unique<T>(); });
  }
};

}  // namespace windara::gui::testing
