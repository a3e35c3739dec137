#!/usr/bin/env python3
"""Binds every status-returning function of the public header for the
robustness test.

Reads rvl_image.h and writes a C++ table with, per function, its name, its
parameters (type and name, as declared) and a call that takes the arguments
from an argument pack. The table is compiled against the same header, so a
declaration the generator misreads fails to compile.

    bind_header.py <rvl_image.h> <output.inc>
"""
import re
import sys


def params_of(text):
    out = []
    for p in (x.strip() for x in text.split(',')):
        if p == 'void' or not p:
            continue
        m = re.match(r'^(.*?)(\w+)\s*(\[\d*\])?$', p)
        if not m:
            raise SystemExit('cannot read parameter: ' + p)
        ctype, name, array = m.group(1).strip(), m.group(2), m.group(3)
        if array:  # an array parameter is a pointer
            length = array[1:-1]
            ctype = ctype + '*'
        else:
            length = ''
        ctype = re.sub(r'\s+', ' ', ctype).replace(' *', '*')
        out.append((ctype, name, length or '0'))
    return out


def main():
    header, output = sys.argv[1], sys.argv[2]
    text = open(header).read()
    protos = re.findall(r'RVL_API\s+RvlResult\s+(\w+)\s*\(([^)]*)\);', text)
    lines = ['// Generated from rvl_image.h by bind_header.py: do not edit.']
    for name, args in protos:
        ps = params_of(args)
        desc = ', '.join('{"%s", "%s", %s}' % p for p in ps)
        call = ', '.join('a.get<%s>(%d)' % (p[0], i) for i, p in enumerate(ps))
        lines.append('{"%s", {%s}, [](const ArgPack& a) -> RvlResult { return %s(%s); }},'
                     % (name, desc, name, call))
    with open(output, 'w') as f:
        f.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
