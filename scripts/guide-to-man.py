#!/usr/bin/env python3
"""The English guide as the GUIDE section of the manual page.

Usage: guide-to-man.py GUIDE.md PAGE.1          rewrite the section in PAGE.1
       guide-to-man.py --check GUIDE.md PAGE.1  exit 1 when PAGE.1 differs

The guide (docs/guide/en.md) is the one text of both: the program shows it
on F1, and the manual page carries it between the two marker lines below.
Pictures are left out and links keep their words.
"""
import re
import sys

BEGIN = '.\\" GUIDE: written by scripts/guide-to-man.py from docs/guide/en.md; edit that file.\n'
END = '.\\" GUIDE ends.\n'


def inline(text):
    text = text.replace('\\', '\\e').replace('-', '\\-')
    text = re.sub(r'\[([^\]]*)\]\([^)]*\)', r'\1', text)
    text = re.sub(r'\*\*([^*]*)\*\*', r'\\fB\1\\fR', text)
    text = re.sub(r'`([^`]*)`', r'\\fI\1\\fR', text)
    text = text.replace('–', '\\(en').replace('−', '\\-').replace("'", "\\(aq").replace('…', '...')
    return text


def line(text):
    # A line starting with a period or an apostrophe would be a request.
    return ('\\&' + text if text[:1] in ('.', "'") else text) + '\n'


def roff(markdown):
    out = ['.SH GUIDE\n']
    paragraph = []

    def flush():
        if paragraph:
            out.append('.PP\n')
            out.extend(line(inline(p)) for p in paragraph)
            paragraph.clear()

    for raw in markdown.splitlines():
        text = raw.strip()
        if text.startswith('# ') or text.startswith('!['):
            flush()
            continue
        if not text:
            flush()
            continue
        heading = re.match(r'##+\s+(.*?)\s*\{#[a-z0-9-]+\}$', text)
        item = re.match(r'(?:- |(\d+)\. )(.*)$', text)
        if heading:
            flush()
            out.append('.SS ' + inline(heading.group(1)) + '\n')
        elif item:
            flush()
            out.append('.IP %s 4\n' % (item.group(1) + '.' if item.group(1) else '\\(bu'))
            out.append(line(inline(item.group(2))))
        elif raw.startswith('  ') and out[-1:] and not paragraph:
            out.append(line(inline(text)))
        else:
            paragraph.append(text)
    flush()
    return ''.join(out)


def main(argv):
    check = argv[:1] == ['--check']
    guide, page = argv[1:] if check else argv
    section = roff(open(guide, encoding='utf-8').read())
    text = open(page, encoding='utf-8').read()
    start, end = text.find(BEGIN), text.find(END)
    if start < 0 or end < start:
        sys.exit(f'{page}: the GUIDE markers are missing')
    made = text[:start + len(BEGIN)] + section + text[end:]
    if check:
        if made != text:
            sys.exit(f'{page}: its GUIDE section is not {guide}; run scripts/guide-to-man.py {guide} {page}')
        return
    open(page, 'w', encoding='utf-8').write(made)


main(sys.argv[1:])
