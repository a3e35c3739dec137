// Memory placed against inaccessible pages.
//
// A GuardedBlock holds `bytes` usable bytes between two PROT_NONE pages, flush
// against one of them: with Edge::End the last usable byte is the last byte
// before the upper guard page, with Edge::Start the first usable byte is the
// first byte after the lower one. A read or write of even one byte beyond that
// edge faults at once, which is how the tests prove that a function reads
// only what its arguments describe.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace rvltest {

enum class Edge { Start, End };

class GuardedBlock {
public:
    GuardedBlock() = default;
    GuardedBlock(std::size_t bytes, Edge edge) { reset(bytes, edge); }
    ~GuardedBlock() { release(); }
    GuardedBlock(const GuardedBlock&) = delete;
    GuardedBlock& operator=(const GuardedBlock&) = delete;

    void reset(std::size_t bytes, Edge edge) {
        release();
        const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        const std::size_t inner = (bytes + page - 1) / page * page;
        total_ = inner + 2 * page;
        void* m = mmap(nullptr, total_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (m == MAP_FAILED) {
            base_ = nullptr;
            return;
        }
        base_ = static_cast<unsigned char*>(m);
        mprotect(base_, page, PROT_NONE);
        mprotect(base_ + page + inner, page, PROT_NONE);
        data_ = edge == Edge::Start ? base_ + page : base_ + page + inner - bytes;
        bytes_ = bytes;
    }

    unsigned char* data() const { return data_; }
    std::size_t size() const { return bytes_; }
    bool ok() const { return base_ != nullptr; }

private:
    void release() {
        if (base_) munmap(base_, total_);
        base_ = data_ = nullptr;
    }
    unsigned char* base_ = nullptr;
    unsigned char* data_ = nullptr;
    std::size_t total_ = 0, bytes_ = 0;
};

}  // namespace rvltest
