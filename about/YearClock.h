// Where the About box takes the current year from: the system clock, or a
// year fixed by a test for as long as a ScopedYear lives.
#pragma once

namespace corvane::about {

// The local calendar year.
int CurrentYear();

class ScopedYear {
 public:
  explicit ScopedYear(int year);
  ~ScopedYear();
  ScopedYear(const ScopedYear&) = delete;
  ScopedYear& operator=(const ScopedYear&) = delete;

 private:
  int previous_;
};

}  // namespace corvane::about
