// The generated window procedure, instruction by instruction.
//
// rbx holds the block, ebp the message. The frame, from rsp up:
//   +0  wParam         } the callback's stack arguments 7 and 8,
//   +8  lParam         }
//   +16 &UserValue     } and 9
//   +24 ReturnValue (low half)
//   +32 phase: 0 before, 1 after; +36 Handled. When forwarding without
//       callbacks the whole quadword is -1.
//   +40 saved rbp, +48 saved rbx, +56 return address
// Phase and Handled share one quadword, so a single test tells whether the
// message goes on to the previous procedure after a phase: only when both are
// 0. The code changes the quadword only as a whole (inc, dec), so that test
// reads what one store wrote in full: a quadword read over a four-byte store
// cannot take its value from the store and waits for it to reach the cache
// (measured: a fifth of the fixed path's time).
//
// A table scan runs from slot count down to slot 1 with two fused
// compare-and-branch pairs a slot, not the loop instruction, which costs
// several micro-operations a round on current processors.
//
// The window is taken from the block (offset 8) for forwarding and restoring:
// the thunk is only ever installed on that window.
#include "subclass/thunk_code.h"

#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace subclass {
namespace {

class Assembler {
 public:
  enum Label { BEFORE, PHASE, SCAN, CALL, PHASE_END, FORWARD, AFTER, ZERO, DONE, RELEASE, PAUSED, LabelCount };

  void bytes(std::initializer_list<std::uint8_t> b) { m_code.insert(m_code.end(), b); }
  void bind(Label label) { m_labels[label] = static_cast<int>(m_code.size()); }
  // A short jump: opcode, then an 8-bit displacement patched in finish().
  void jump(std::uint8_t opcode, Label target) {
    m_code.push_back(opcode);
    m_fixups.push_back({m_code.size(), target});
    m_code.push_back(0);
  }
  std::size_t size() const { return m_code.size(); }

  std::vector<std::uint8_t> finish() {
    for (const Fixup& f : m_fixups) {
      const int displacement = m_labels[f.target] - static_cast<int>(f.at + 1);
      if (m_labels[f.target] < 0 || displacement < -128 || displacement > 127)
        throw std::logic_error("thunk code: short jump out of range");
      m_code[f.at] = static_cast<std::uint8_t>(displacement);
    }
    return m_code;
  }

 private:
  struct Fixup {
    std::size_t at;
    Label target;
  };
  std::vector<std::uint8_t> m_code;
  std::vector<Fixup> m_fixups;
  int m_labels[LabelCount] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

constexpr std::uint8_t JZ = 0x74, JNZ = 0x75, JLE = 0x7E, JB = 0x72, JMP = 0xEB, JRCXZ = 0xE3;

std::array<std::uint8_t, kCodeSize> assemble() {
  using A = Assembler;
  A a;
  // Entry: edi window, esi message, edx wParam, ecx lParam.
  a.bytes({0x53});                          // push rbx
  a.bytes({0x55});                          // push rbp
  a.bytes({0x6A, 0x00});                    // push 0            Handled = 0, phase = before
  a.bytes({0x6A, 0x00});                    // push 0            ReturnValue = 0
  a.bytes({0x96});                          // xchg eax, esi     eax = message
  a.bytes({0xBB, 0, 0, 0, 0});              // mov ebx, block    (the block's own address)
  a.bytes({0x95});                          // xchg eax, ebp     ebp = message
  a.bytes({0x8D, 0x43, 0x34});              // lea eax, [rbx+52] &UserValue
  a.bytes({0x50, 0x51, 0x52});              // push rax, rcx (lParam), rdx (wParam)

  // The design environment's run-mode query, when there is one.
  a.bytes({0x8B, 0x4B, 0x0C});              // mov ecx, [rbx+12]
  a.jump(JRCXZ, A::BEFORE);
  a.bytes({0xFF, 0xD1});                    // call rcx
  a.bytes({0x83, 0xF8, 0x01});              // cmp eax, 1
  a.jump(JZ, A::BEFORE);                    // running
  a.jump(JB, A::ZERO);                      // stopped
  a.bind(A::PAUSED);                        // paused: forward only
  a.bytes({0x48, 0xFF, 0x4C, 0x24, 0x20});  // dec qword [rsp+32]  phase and Handled = -1
  a.jump(JMP, A::FORWARD);

  a.bind(A::BEFORE);
  a.bytes({0x8B, 0x43, 0x2C});              // mov eax, [rbx+44]   the before table

  // Does the table at eax select the message? A count of 0 leaves the
  // scan at once, a negative count selects everything.
  a.bind(A::PHASE);
  a.bytes({0x8B, 0x08});                    // mov ecx, [rax]      count
  a.bytes({0xFF, 0xC1});                    // inc ecx
  a.jump(JLE, A::CALL);                     // count < 0
  a.bind(A::SCAN);
  a.bytes({0xFF, 0xC9});                    // dec ecx
  a.jump(JZ, A::PHASE_END);                 // slots count..1 all differ
  a.bytes({0x39, 0x2C, 0x88});              // cmp [rax+rcx*4], ebp
  a.jump(JNZ, A::SCAN);

  // Selected: call back when IsBadCodePtr accepts the callback.
  a.bind(A::CALL);
  a.bytes({0x8B, 0x7B, 0x28});              // mov edi, [rbx+40]
  a.bytes({0x8B, 0x43, 0x1C});              // mov eax, [rbx+28]   IsBadCodePtr
  a.bytes({0xFF, 0xD0});                    // call rax
  a.bytes({0x85, 0xC0});                    // test eax, eax
  a.jump(JNZ, A::PHASE_END);
  a.bytes({0x8B, 0x7B, 0x20});              // mov edi, [rbx+32]   owner
  a.bytes({0x48, 0x8D, 0x54, 0x24, 0x24});  // lea rdx, [rsp+36]   &Handled
  a.bytes({0x48, 0x8D, 0x4A, 0xF4});        // lea rcx, [rdx-12]   &ReturnValue
  a.bytes({0x8B, 0x72, 0xFC});              // mov esi, [rdx-4]    phase
  a.bytes({0xFF, 0xCE});                    // dec esi             IsBefore: -1 or 0
  a.bytes({0x44, 0x8B, 0x43, 0x08});        // mov r8d, [rbx+8]    hWnd
  a.bytes({0x41, 0x89, 0xE9});              // mov r9d, ebp        uMsg
  a.bytes({0x8B, 0x43, 0x28});              // mov eax, [rbx+40]
  a.bytes({0xFF, 0xD0});                    // call rax            wParam, lParam, &UserValue on the stack

  // After the before phase, go on only when not Handled; after the after phase, stop.
  a.bind(A::PHASE_END);
  a.bytes({0x48, 0x83, 0x7C, 0x24, 0x20, 0x00});  // cmp qword [rsp+32], 0
  a.jump(JNZ, A::DONE);

  a.bind(A::FORWARD);
  a.bytes({0xFF, 0x03});                    // inc dword [rbx]     nesting
  a.bytes({0x8B, 0x7B, 0x24});              // mov edi, [rbx+36]   previous procedure
  a.bytes({0x8B, 0x73, 0x08});              // mov esi, [rbx+8]    window
  a.bytes({0x89, 0xEA});                    // mov edx, ebp        message
  a.bytes({0x59});                          // pop rcx             wParam
  a.bytes({0x41, 0x58});                    // pop r8              lParam
  a.bytes({0x41, 0x50, 0x51});              // push r8; push rcx   (kept for the after phase)
  a.bytes({0x8B, 0x43, 0x10});              // mov eax, [rbx+16]   CallWindowProcA
  a.bytes({0xFF, 0xD0});                    // call rax
  a.bytes({0x89, 0x44, 0x24, 0x18});        // mov [rsp+24], eax   ReturnValue
  a.bytes({0xFF, 0x0B});                    // dec dword [rbx]
  a.jump(JNZ, A::AFTER);
  a.bytes({0x83, 0x7B, 0x04, 0x00});        // cmp dword [rbx+4], 0
  a.jump(JNZ, A::RELEASE);                  // outermost forward with removal requested

  a.bind(A::AFTER);
  a.bytes({0x48, 0xFF, 0x44, 0x24, 0x20});  // inc qword [rsp+32]  phase: 0 -> after, -1 -> done
  a.jump(JZ, A::DONE);
  a.bytes({0x8B, 0x43, 0x30});              // mov eax, [rbx+48]   the after table
  a.jump(JMP, A::PHASE);

  // Stopped by the design environment: release now, or, while a call out of
  // the block is in progress, leave it to the outermost forward.
  a.bind(A::ZERO);
  a.bytes({0xFF, 0x4B, 0x04});              // dec dword [rbx+4]   request removal (0 -> -1)
  a.bytes({0x83, 0x3B, 0x00});              // cmp dword [rbx], 0
  a.jump(JZ, A::RELEASE);

  a.bind(A::DONE);
  a.bytes({0x59, 0x59, 0x59});              // pop rcx x3          the stack arguments
  a.bytes({0x58});                          // pop rax             ReturnValue
  a.bytes({0x59});                          // pop rcx             Handled and phase
  a.bytes({0x5D, 0x5B, 0xC3});              // pop rbp; pop rbx; ret

  // Put the previous procedure back and free the block's allocation;
  // VirtualFree returns straight to our caller, so nothing of the block runs
  // after it.
  a.bind(A::RELEASE);
  a.bytes({0x8B, 0x7B, 0x08});              // mov edi, [rbx+8]
  a.bytes({0x6A, 0xFC, 0x5E});              // push -4; pop rsi    GWL_WNDPROC
  a.bytes({0x8B, 0x53, 0x24});              // mov edx, [rbx+36]
  a.bytes({0x8B, 0x43, 0x14});              // mov eax, [rbx+20]   SetWindowLongA
  a.bytes({0xFF, 0xD0});                    // call rax
  a.bytes({0x99});                          // cdq                 edx = 0: procedures lie below 2 GiB
  a.bytes({0xB6, 0x80});                    // mov dh, 0x80        MEM_RELEASE
  a.bytes({0x31, 0xF6});                    // xor esi, esi
  a.bytes({0x8D, 0x7B, 0xF8});              // lea edi, [rbx-8]    the block's allocation
  a.bytes({0x8B, 0x43, 0x18});              // mov eax, [rbx+24]   VirtualFree
  a.bytes({0x48, 0x83, 0xC4, 0x28});        // add rsp, 40
  a.bytes({0x5D, 0x5B});                    // pop rbp; pop rbx
  a.bytes({0xFF, 0xE0});                    // jmp rax

  const std::vector<std::uint8_t> code = a.finish();
  if (code.size() > kCodeSize) throw std::logic_error("thunk code exceeds 204 bytes");
  std::array<std::uint8_t, kCodeSize> out{};
  for (std::size_t i = 0; i < code.size(); ++i) out[i] = code[i];
  return out;
}

}  // namespace

const std::array<std::uint8_t, kCodeSize>& thunk_code() {
  static const std::array<std::uint8_t, kCodeSize> code = assemble();
  return code;
}

}  // namespace subclass
