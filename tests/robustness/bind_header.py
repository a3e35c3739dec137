#!/usr/bin/env python3
"""Binds every status-returning function of the public header for the
robustness test.

Reads rvl_image.h and writes a C++ table with, per function, its name, its
parameters (type and name, as declared) and a call that takes the arguments
from an argument pack. The table is compiled against the same header, so a
declaration the generator misreads fails to compile.

    bind_header.py <rvl_image.h> <output.inc> [<variant_picks.inc>]

The optional third file declares, for every function, the implementation
of each processor variant, for the test that compares the variants.
"""
import re
import sys


def params_of(text):
    """(type, name, length, call type) per parameter. An array parameter is
    described as a pointer to its elements with its total length; a
    two-dimensional one is passed as a pointer to its rows."""
    out = []
    for p in (x.strip() for x in text.split(',')):
        if p == 'void' or not p:
            continue
        m = re.match(r'^(.*?)(\w+)\s*((?:\[\d*\])*)$', p)
        if not m:
            raise SystemExit('cannot read parameter: ' + p)
        ctype, name, arrays = m.group(1).strip(), m.group(2), m.group(3)
        dims = re.findall(r'\[(\d*)\]', arrays)
        ctype = re.sub(r'\s+', ' ', ctype).replace(' *', '*')
        call = ctype
        length = '0'
        if dims:
            total = 1
            for d in dims:
                total *= int(d or 1)
            length = str(total) if dims[0] else '0'
            call = ctype + ('*' if len(dims) == 1 else '(*)' + ''.join('[%s]' % d for d in dims[1:]))
            ctype = ctype + '*'
        out.append((ctype, name, length, call))
    return out


def main():
    header, output = sys.argv[1], sys.argv[2]
    picks = sys.argv[3] if len(sys.argv) > 3 else None
    text = open(header).read()
    protos = re.findall(r'RVL_API\s+RvlResult\s+(\w+)\s*\(([^)]*)\);', text)
    lines = ['// Generated from rvl_image.h by bind_header.py: do not edit.']
    table = []
    for name, args in protos:
        ps = params_of(args)
        desc = ', '.join('{"%s", "%s", %s}' % p[:3] for p in ps)
        call = ', '.join('a.get<%s>(%d)' % (p[3], i) for i, p in enumerate(ps))
        lines.append('inline constexpr Param kParams_%s[] = {%s};' % (name, desc))
        table.append('    {"%s", {kParams_%s, %d}, [](const ArgPack& a) -> RvlResult { return %s(%s); },'
                     % (name, name, len(ps), name, call))
        table.append('     [](void* f, const ArgPack& a) -> RvlResult { return reinterpret_cast<decltype(&%s)>(f)(%s); }},'
                     % (name, call))
    lines.append('inline const Bound kBound[] = {')
    lines.extend(table)
    lines.append('};')
    with open(output, 'w') as f:
        f.write('\n'.join(lines) + '\n')
    if picks:
        # Each variant's implementation of every function (weak: a build
        # without that variant leaves it null).
        out = ['// Generated from rvl_image.h by bind_header.py: do not edit.']
        variants = ('sse41', 'avx2', 'avx512')
        for name, _ in protos:
            for v in variants:
                out.append('extern "C" __attribute__((weak)) void* %s__%s() noexcept;' % (name, v))
        out.append('static const VariantPicks kVariantPicks[] = {')
        for name, _ in protos:
            out.append('    {"%s", {%s}},' % (name, ', '.join('%s__%s' % (name, v) for v in variants)))
        out.append('};')
        with open(picks, 'w') as f:
            f.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
