#pragma once
// kolm::Passkey<T>: a key only T can make. A constructor that takes one can be public, so that
// std::make_unique reaches it, and still be called only from T's own members (its factory).
namespace kolm {

template <typename T>
class Passkey {
    friend T;
    // User-provided, so that no one but T can make a key, not even with braces.
    Passkey() {}
};

} // namespace kolm
