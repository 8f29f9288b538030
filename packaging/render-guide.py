#!/usr/bin/env python3
"""Renders docs/user-guide.md into one self-contained HTML page (images stay beside it)."""

import html
import os
import sys

import markdown

PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>
body {{ font-family: "DejaVu Sans", sans-serif; line-height: 1.5; color: #1d2329;
       max-width: 58em; margin: 0 auto; padding: 1em 2em 4em; }}
h1, h2, h3 {{ color: #17406d; line-height: 1.25; }}
h2 {{ border-bottom: 1px solid #c8d2dc; padding-bottom: 0.2em; margin-top: 2em; }}
code, pre {{ font-family: "DejaVu Sans Mono", monospace; font-size: 0.92em; }}
code {{ background: #f0f3f6; padding: 0 0.2em; }}
pre {{ background: #f0f3f6; padding: 0.8em; overflow-x: auto; }}
pre code {{ padding: 0; }}
table {{ border-collapse: collapse; margin: 1em 0; }}
th, td {{ border: 1px solid #c8d2dc; padding: 0.25em 0.6em; text-align: left; vertical-align: top; }}
th {{ background: #e8eef4; }}
img {{ max-width: 100%; border: 1px solid #c8d2dc; }}
.toc {{ background: #f6f8fa; border: 1px solid #dde3e9; padding: 0.5em 1.5em; }}
.toc ul {{ margin: 0.2em 0; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: render-guide.py user-guide.md user-guide.html\n")
        return 2
    with open(argv[1], encoding="utf-8") as source:
        text = source.read()
    title = next((line[2:].strip() for line in text.splitlines() if line.startswith("# ")), "User guide")
    converter = markdown.Markdown(extensions=["tables", "toc", "fenced_code", "attr_list", "sane_lists"],
                                  extension_configs={"toc": {"toc_depth": "2-3"}})
    body = converter.convert(text)
    # write whole or not at all: a half-written page must not look like a finished one
    target = argv[2]
    with open(target + ".tmp", "w", encoding="utf-8") as out:
        out.write(PAGE.format(title=html.escape(title), body=body))
    os.replace(target + ".tmp", target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
