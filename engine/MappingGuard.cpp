#include "MappingGuard.h"

#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The handler may run at any moment on any thread, so a slot is published with its base last
// and read with its base first; a base of 0 marks a free slot.
struct Slot {
  std::atomic<std::uintptr_t> Base{0};
  std::atomic<std::size_t> Length{0};
  std::atomic<bool> Damaged{false};
};

constexpr int kSlots = 16;
Slot gSlots[kSlots];
struct sigaction gPrevious {};

void RestorePrevious() {
  ::sigaction(SIGBUS, &gPrevious, nullptr);
}

void OnBusError(int signal, siginfo_t *info, void *context) {
  const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
  for (Slot &slot : gSlots) {
    const std::uintptr_t base = slot.Base.load();
    const std::size_t length = slot.Length.load();
    if (base == 0 || address < base || address - base >= length)
      continue;
    // The faulting read is retried on return and finds zeros from here to the end.
    const std::uintptr_t page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t from = address & ~(page - 1);
    const void *zeros = ::mmap(reinterpret_cast<void *>(from), base + length - from, PROT_READ,
                               MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros != MAP_FAILED) {
      slot.Damaged.store(true);
      return;
    }
    break;
  }
  // Not ours, or no way to recover: whoever handled the signal before us decides.
  if (gPrevious.sa_flags & SA_SIGINFO && gPrevious.sa_sigaction) {
    gPrevious.sa_sigaction(signal, info, context);
  } else if (gPrevious.sa_handler != SIG_DFL && gPrevious.sa_handler != SIG_IGN &&
             gPrevious.sa_handler) {
    gPrevious.sa_handler(signal);
  } else {
    RestorePrevious(); // returning re-runs the read, which now ends the process as usual
  }
}

void InstallHandler() {
  struct sigaction action {};
  action.sa_sigaction = OnBusError;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGBUS, &action, &gPrevious);
}

} // namespace

int GuardMapping(const void *base, std::size_t length) {
  static std::once_flag installed;
  std::call_once(installed, InstallHandler);
  for (int i = 0; i < kSlots; ++i) {
    Slot &slot = gSlots[i];
    std::uintptr_t expected = 0;
    // Claim the slot with a base no mapping has, then publish the real range.
    if (!slot.Base.compare_exchange_strong(expected, UINTPTR_MAX))
      continue;
    slot.Damaged.store(false);
    slot.Length.store(length);
    slot.Base.store(reinterpret_cast<std::uintptr_t>(base));
    return i;
  }
  return -1;
}

bool MappingDamaged(int slot) {
  return slot >= 0 && gSlots[slot].Damaged.load();
}

void UnguardMapping(int slot) {
  if (slot >= 0)
    gSlots[slot].Base.store(0);
}
