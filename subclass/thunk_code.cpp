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
// The table scan lives in the allocation's tail, after the block, as it does
// not fit the block's 204 code bytes: for counts 1 to 32 it compares 4 or all
// 32 slots with SSE2 and masks the result down to slots 1 to count, with no
// branch that depends on the slots (a slot-by-slot loop made a message that
// neither full table selects cost three times as much). Only counts above
// 32, which the tables' own editing never writes, go slot by slot.
//
// The window is taken from the block (offset 8) for forwarding and restoring:
// the thunk is only ever installed on that window.
#include "subclass/thunk_code.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace subclass {
namespace {

// Two sections, placed where the allocation holds them: the procedure in the
// block and the scan in the tail. Short jumps stay inside a section; near
// jumps may cross, and since both sections sit at fixed offsets in every
// allocation, their displacements are the same for every block.
class Assembler {
 public:
  enum Section { PROCEDURE, TAIL, SectionCount };
  enum Label {
    BEFORE,
    PHASE,
    CALL,
    PHASE_END,
    FORWARD,
    AFTER,
    ZERO,
    DONE,
    RELEASE,
    PAUSED,
    SCAN,
    WIDE,
    ODD,
    SLOT,
    LabelCount
  };

  void section(Section s) { m_section = s; }
  // One byte at a time: GCC 12 at -O3 takes a range insert into the byte
  // vector for an overflow (a false -Wstringop-overflow).
  void bytes(std::initializer_list<std::uint8_t> b) {
    for (const std::uint8_t v : b) code().push_back(v);
  }
  void bind(Label label) { m_labels[label] = {m_section, static_cast<int>(code().size())}; }
  // A short jump: opcode, then an 8-bit displacement patched in finish().
  void jump(std::uint8_t opcode, Label target) { branch({opcode}, target, 1); }
  // Near jumps, 32-bit displacement: unconditional, or the condition of a
  // short conditional jump opcode.
  void near_jump(Label target) { branch({0xE9}, target, 4); }
  void near_jump(std::uint8_t short_opcode, Label target) {
    branch({0x0F, static_cast<std::uint8_t>(short_opcode + 0x10)}, target, 4);
  }

  struct Output {
    std::vector<std::uint8_t> code[SectionCount];
  };
  Output finish() const {
    Output out{{m_code[PROCEDURE], m_code[TAIL]}};
    for (const Fixup& f : m_fixups) {
      const Place& to = m_labels[f.target];
      if (to.at < 0) throw std::logic_error("thunk code: jump to an unbound label");
      const long displacement = address(to.section, to.at) - address(f.section, f.at + f.width);
      std::vector<std::uint8_t>& c = out.code[f.section];
      if (f.width == 1) {
        if (to.section != f.section || displacement < -128 || displacement > 127)
          throw std::logic_error("thunk code: short jump out of range");
        c[f.at] = static_cast<std::uint8_t>(displacement);
      } else {
        for (int i = 0; i < 4; ++i)
          c[f.at + i] =
              static_cast<std::uint8_t>(static_cast<unsigned long>(displacement) >> (8 * i));
      }
    }
    return out;
  }

 private:
  struct Place {
    Section section = PROCEDURE;
    int at = -1;
  };
  struct Fixup {
    Section section;
    int at;
    int width;
    Label target;
  };
  std::vector<std::uint8_t>& code() { return m_code[m_section]; }
  void branch(std::initializer_list<std::uint8_t> opcode, Label target, int width) {
    bytes(opcode);
    m_fixups.push_back({m_section, static_cast<int>(code().size()), width, target});
    code().insert(code().end(), static_cast<std::size_t>(width), 0);
  }
  // Where a section's byte lies in the allocation.
  static long address(Section s, int at) {
    return static_cast<long>(s == PROCEDURE ? kBlockPlacement + kProcedureOffset : kTailOffset) +
           at;
  }
  Section m_section = PROCEDURE;
  std::vector<std::uint8_t> m_code[SectionCount];
  std::vector<Fixup> m_fixups;
  Place m_labels[LabelCount];
};

constexpr std::uint8_t JZ = 0x74, JNZ = 0x75, JB = 0x72, JA = 0x77, JS = 0x78, JMP = 0xEB,
                       JRCXZ = 0xE3;

Code assemble() {
  using A = Assembler;
  A a;
  // Entry: edi window, esi message, edx wParam, ecx lParam.
  a.bytes({0x53});              // push rbx
  a.bytes({0x55});              // push rbp
  a.bytes({0x6A, 0x00});        // push 0            Handled = 0, phase = before
  a.bytes({0x6A, 0x00});        // push 0            ReturnValue = 0
  a.bytes({0x96});              // xchg eax, esi     eax = message
  a.bytes({0xBB, 0, 0, 0, 0});  // mov ebx, block    (the block's own address)
  a.bytes({0x95});              // xchg eax, ebp     ebp = message
  a.bytes({0x8D, 0x43, 0x34});  // lea eax, [rbx+52] &UserValue
  a.bytes({0x50, 0x51, 0x52});  // push rax, rcx (lParam), rdx (wParam)

  // The design environment's run-mode query, when there is one.
  a.bytes({0x8B, 0x4B, 0x0C});  // mov ecx, [rbx+12]
  a.jump(JRCXZ, A::BEFORE);
  a.bytes({0xFF, 0xD1});                    // call rcx
  a.bytes({0x83, 0xF8, 0x01});              // cmp eax, 1
  a.jump(JZ, A::BEFORE);                    // running
  a.jump(JB, A::ZERO);                      // stopped
  a.bind(A::PAUSED);                        // paused: forward only
  a.bytes({0x48, 0xFF, 0x4C, 0x24, 0x20});  // dec qword [rsp+32]  phase and Handled = -1
  a.jump(JMP, A::FORWARD);

  a.bind(A::BEFORE);
  a.bytes({0x8B, 0x43, 0x2C});  // mov eax, [rbx+44]   the before table

  // Does the table at eax select the message? A count of 0 leaves the
  // phase at once; every other count goes to the scan in the tail.
  a.bind(A::PHASE);
  a.bytes({0x8B, 0x08});  // mov ecx, [rax]      count
  a.jump(JRCXZ, A::PHASE_END);
  a.near_jump(A::SCAN);

  // Selected: call back when IsBadCodePtr accepts the callback.
  a.bind(A::CALL);
  a.bytes({0x8B, 0x7B, 0x28});  // mov edi, [rbx+40]
  a.bytes({0x8B, 0x43, 0x1C});  // mov eax, [rbx+28]   IsBadCodePtr
  a.bytes({0xFF, 0xD0});        // call rax
  a.bytes({0x85, 0xC0});        // test eax, eax
  a.jump(JNZ, A::PHASE_END);
  a.bytes({0x8B, 0x7B, 0x20});              // mov edi, [rbx+32]   owner
  a.bytes({0x48, 0x8D, 0x54, 0x24, 0x24});  // lea rdx, [rsp+36]   &Handled
  a.bytes({0x48, 0x8D, 0x4A, 0xF4});        // lea rcx, [rdx-12]   &ReturnValue
  a.bytes({0x8B, 0x72, 0xFC});              // mov esi, [rdx-4]    phase
  a.bytes({0xFF, 0xCE});                    // dec esi             IsBefore: -1 or 0
  a.bytes({0x44, 0x8B, 0x43, 0x08});        // mov r8d, [rbx+8]    hWnd
  a.bytes({0x41, 0x89, 0xE9});              // mov r9d, ebp        uMsg
  a.bytes({0x8B, 0x43, 0x28});              // mov eax, [rbx+40]
  a.bytes({0xFF, 0xD0});  // call rax            wParam, lParam, &UserValue on the stack

  // After the before phase, go on only when not Handled; after the after phase, stop.
  a.bind(A::PHASE_END);
  a.bytes({0x48, 0x83, 0x7C, 0x24, 0x20, 0x00});  // cmp qword [rsp+32], 0
  a.jump(JNZ, A::DONE);

  a.bind(A::FORWARD);
  a.bytes({0xFF, 0x03});              // inc dword [rbx]     nesting
  a.bytes({0x8B, 0x7B, 0x24});        // mov edi, [rbx+36]   previous procedure
  a.bytes({0x8B, 0x73, 0x08});        // mov esi, [rbx+8]    window
  a.bytes({0x89, 0xEA});              // mov edx, ebp        message
  a.bytes({0x59});                    // pop rcx             wParam
  a.bytes({0x41, 0x58});              // pop r8              lParam
  a.bytes({0x41, 0x50, 0x51});        // push r8; push rcx   (kept for the after phase)
  a.bytes({0x8B, 0x43, 0x10});        // mov eax, [rbx+16]   CallWindowProcA
  a.bytes({0xFF, 0xD0});              // call rax
  a.bytes({0x89, 0x44, 0x24, 0x18});  // mov [rsp+24], eax   ReturnValue
  a.bytes({0xFF, 0x0B});              // dec dword [rbx]
  a.jump(JNZ, A::AFTER);
  a.bytes({0x83, 0x7B, 0x04, 0x00});  // cmp dword [rbx+4], 0
  a.jump(JNZ, A::RELEASE);            // outermost forward with removal requested

  a.bind(A::AFTER);
  a.bytes({0x48, 0xFF, 0x44, 0x24, 0x20});  // inc qword [rsp+32]  phase: 0 -> after, -1 -> done
  a.jump(JZ, A::DONE);
  a.bytes({0x8B, 0x43, 0x30});  // mov eax, [rbx+48]   the after table
  a.jump(JMP, A::PHASE);

  // Stopped by the design environment: release now, or, while a call out of
  // the block is in progress, leave it to the outermost forward.
  a.bind(A::ZERO);
  a.bytes({0xFF, 0x4B, 0x04});  // dec dword [rbx+4]   request removal (0 -> -1)
  a.bytes({0x83, 0x3B, 0x00});  // cmp dword [rbx], 0
  a.jump(JZ, A::RELEASE);

  a.bind(A::DONE);
  a.bytes({0x59, 0x59, 0x59});  // pop rcx x3          the stack arguments
  a.bytes({0x58});              // pop rax             ReturnValue
  a.bytes({0x59});              // pop rcx             Handled and phase
  a.bytes({0x5D, 0x5B, 0xC3});  // pop rbp; pop rbx; ret

  // Put the previous procedure back and free the block's allocation, tail
  // and all; VirtualFree returns straight to our caller, so nothing of the
  // allocation runs after it.
  a.bind(A::RELEASE);
  a.bytes({0x8B, 0x7B, 0x08});        // mov edi, [rbx+8]
  a.bytes({0x6A, 0xFC, 0x5E});        // push -4; pop rsi    GWL_WNDPROC
  a.bytes({0x8B, 0x53, 0x24});        // mov edx, [rbx+36]
  a.bytes({0x8B, 0x43, 0x14});        // mov eax, [rbx+20]   SetWindowLongA
  a.bytes({0xFF, 0xD0});              // call rax
  a.bytes({0x99});                    // cdq                 edx = 0: procedures lie below 2 GiB
  a.bytes({0xB6, 0x80});              // mov dh, 0x80        MEM_RELEASE
  a.bytes({0x31, 0xF6});              // xor esi, esi
  a.bytes({0x8D, 0x7B, 0xF8});        // lea edi, [rbx-8]    the block's allocation
  a.bytes({0x8B, 0x43, 0x18});        // mov eax, [rbx+24]   VirtualFree
  a.bytes({0x48, 0x83, 0xC4, 0x28});  // add rsp, 40
  a.bytes({0x5D, 0x5B});              // pop rbp; pop rbx
  a.bytes({0xFF, 0xE0});              // jmp rax

  // The scan, in the tail: eax the table, ecx its count (not 0), ebp the
  // message; it may change ecx, edx, esi and xmm0 to xmm4. Counts 1 to 4
  // compare slots 1 to 4, counts 5 to 32 all 32 slots, at once; both keep
  // the results of slots 1 to count only and read nothing outside the table.
  a.section(A::TAIL);
  a.bind(A::SCAN);
  a.bytes({0x83, 0xF9, 0x20});              // cmp ecx, 32
  a.near_jump(JA, A::ODD);                  // negative, or above 32
  a.bytes({0x66, 0x0F, 0x6E, 0xC5});        // movd xmm0, ebp
  a.bytes({0x66, 0x0F, 0x70, 0xC0, 0x00});  // pshufd xmm0, xmm0, 0   the message in every lane
  a.bytes({0xF3, 0x0F, 0x6F, 0x48, 0x04});  // movdqu xmm1, [rax+4]   slots 1..4
  a.bytes({0x66, 0x0F, 0x76, 0xC8});        // pcmpeqd xmm1, xmm0
  a.bytes({0x83, 0xF9, 0x04});              // cmp ecx, 4
  a.jump(JA, A::WIDE);
  a.bytes({0x0F, 0x50, 0xD1});  // movmskps edx, xmm1     bit k: slot k+1
  a.bytes({0x31, 0xF6});        // xor esi, esi
  a.bytes({0x0F, 0xAB, 0xCE});  // bts esi, ecx
  a.bytes({0xFF, 0xCE});        // dec esi                bits 0..count-1
  a.bytes({0x85, 0xF2});        // test edx, esi
  a.near_jump(JNZ, A::CALL);
  a.near_jump(A::PHASE_END);

  a.bind(A::WIDE);
  a.bytes({0xF3, 0x0F, 0x6F, 0x50, 0x14});  // movdqu xmm2, [rax+20]  slots 5..8
  a.bytes({0x66, 0x0F, 0x76, 0xD0});        // pcmpeqd xmm2, xmm0
  a.bytes({0x66, 0x0F, 0x6B, 0xCA});        // packssdw xmm1, xmm2
  a.bytes({0xF3, 0x0F, 0x6F, 0x50, 0x24});  // movdqu xmm2, [rax+36]  slots 9..12
  a.bytes({0x66, 0x0F, 0x76, 0xD0});        // pcmpeqd xmm2, xmm0
  a.bytes({0xF3, 0x0F, 0x6F, 0x58, 0x34});  // movdqu xmm3, [rax+52]  slots 13..16
  a.bytes({0x66, 0x0F, 0x76, 0xD8});        // pcmpeqd xmm3, xmm0
  a.bytes({0x66, 0x0F, 0x6B, 0xD3});        // packssdw xmm2, xmm3
  a.bytes({0x66, 0x0F, 0x63, 0xCA});        // packsswb xmm1, xmm2    a byte a slot, 1..16
  a.bytes({0x66, 0x0F, 0xD7, 0xD1});        // pmovmskb edx, xmm1     bit k: slot k+1
  a.bytes({0xF3, 0x0F, 0x6F, 0x50, 0x44});  // movdqu xmm2, [rax+68]  slots 17..20
  a.bytes({0x66, 0x0F, 0x76, 0xD0});        // pcmpeqd xmm2, xmm0
  a.bytes({0xF3, 0x0F, 0x6F, 0x58, 0x54});  // movdqu xmm3, [rax+84]  slots 21..24
  a.bytes({0x66, 0x0F, 0x76, 0xD8});        // pcmpeqd xmm3, xmm0
  a.bytes({0x66, 0x0F, 0x6B, 0xD3});        // packssdw xmm2, xmm3
  a.bytes({0xF3, 0x0F, 0x6F, 0x58, 0x64});  // movdqu xmm3, [rax+100] slots 25..28
  a.bytes({0x66, 0x0F, 0x76, 0xD8});        // pcmpeqd xmm3, xmm0
  a.bytes({0xF3, 0x0F, 0x6F, 0x60, 0x74});  // movdqu xmm4, [rax+116] slots 29..32
  a.bytes({0x66, 0x0F, 0x76, 0xE0});        // pcmpeqd xmm4, xmm0
  a.bytes({0x66, 0x0F, 0x6B, 0xDC});        // packssdw xmm3, xmm4
  a.bytes({0x66, 0x0F, 0x63, 0xD3});        // packsswb xmm2, xmm3    slots 17..32
  a.bytes({0x66, 0x0F, 0xD7, 0xF2});        // pmovmskb esi, xmm2
  a.bytes({0xC1, 0xE6, 0x10});              // shl esi, 16
  a.bytes({0x09, 0xF2});                    // or edx, esi            bit k: slot k+1, 1..32
  a.bytes({0x31, 0xF6});                    // xor esi, esi
  a.bytes({0x48, 0x0F, 0xAB, 0xCE});        // bts rsi, rcx           (bit 32 for a count of 32)
  a.bytes({0x48, 0xFF, 0xCE});              // dec rsi                bits 0..count-1
  a.bytes({0x85, 0xF2});                    // test edx, esi
  a.near_jump(JNZ, A::CALL);
  a.near_jump(A::PHASE_END);

  // A negative count selects everything; one above 32 is scanned slot by
  // slot from the count down, past the table's end as the count says.
  a.bind(A::ODD);
  a.bytes({0x85, 0xC9});  // test ecx, ecx
  a.near_jump(JS, A::CALL);
  a.bind(A::SLOT);
  a.bytes({0x39, 0x2C, 0x88});  // cmp [rax+rcx*4], ebp
  a.near_jump(JZ, A::CALL);
  a.bytes({0xFF, 0xC9});  // dec ecx
  a.jump(JNZ, A::SLOT);
  a.near_jump(A::PHASE_END);

  const A::Output sections = a.finish();
  const auto& procedure = sections.code[A::PROCEDURE];
  const auto& tail = sections.code[A::TAIL];
  if (procedure.size() > kCodeSize)
    throw std::logic_error("thunk code exceeds its 204 bytes in the block");
  if (tail.size() > kTailSize) throw std::logic_error("thunk code exceeds the allocation's tail");
  Code out{};
  std::copy(procedure.begin(), procedure.end(), out.procedure.begin());
  // The tail's unused bytes trap.
  out.tail.fill(0xCC);
  std::copy(tail.begin(), tail.end(), out.tail.begin());
  return out;
}

}  // namespace

const Code& thunk_code() {
  static const Code code = assemble();
  return code;
}

}  // namespace subclass
