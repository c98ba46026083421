// Scoped marks on the record: set for the length of a scope and undone when
// it ends, however it ends. Nested scopes leave the outer scope's mark in
// place.
#pragma once

// Adds one to a counter for the length of the scope (when `active`).
class CountScope {
  public:
    explicit CountScope(int& counter, bool active = true) : counter_(active ? &counter : nullptr) {
        if (counter_) ++*counter_;
    }
    ~CountScope() {
        if (counter_) --*counter_;
    }
    CountScope(const CountScope&) = delete;
    CountScope& operator=(const CountScope&) = delete;

  private:
    int* counter_;
};

// Sets a 0/1 flag for the length of the scope and gives it back its earlier
// value at the end, so that an inner scope does not clear an outer one's.
class FlagScope {
  public:
    explicit FlagScope(int& flag) : flag_(flag), saved_(flag) { flag_ = 1; }
    ~FlagScope() { flag_ = saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    int& flag_;
    int saved_;
};
