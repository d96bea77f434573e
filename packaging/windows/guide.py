"""Renders the Chinese guide (README.zh-CN.md) as one HTML file that a Windows
user opens in the browser, with its pictures inside it (data: addresses), so
the file can be copied around alone.
    python3 guide.py README.zh-CN.md OUTPUT.html"""

import base64
import html
import os
import re
import sys

import markdown


def main(source, output):
    folder = os.path.dirname(os.path.abspath(source))
    with open(source, encoding="utf-8") as f:
        text = f.read()
    body = markdown.markdown(text, extensions=["tables", "fenced_code"], output_format="html")

    def picture(match):
        path = os.path.join(folder, html.unescape(match.group(2)))
        with open(path, "rb") as f:
            data = base64.b64encode(f.read()).decode("ascii")
        return f'{match.group(1)}"data:image/png;base64,{data}"'

    body = re.sub(r'(<img[^>]*?src=)"([^"]+\.png)"', picture, body)
    # Links to the repository's other Markdown files lead nowhere on a Windows
    # PC: a paragraph that is only such a link goes, other links keep their text.
    body = re.sub(r'<p><a href="[^":]+\.md">[^<]*</a></p>\n?', "", body)
    body = re.sub(r'<a href="[^":]+\.md">([^<]*)</a>', r"\1", body)
    title = re.search(r"<h1>(.*?)</h1>", body).group(1)
    with open(output, "w", encoding="utf-8") as f:
        f.write(f"""<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>{title}</title>
<style>
body {{ max-width: 48em; margin: 2em auto; padding: 0 1em; line-height: 1.6;
       font-family: "Microsoft YaHei", "SimSun", sans-serif; }}
table {{ border-collapse: collapse; }}
th, td {{ border: 1px solid #999; padding: 0.2em 0.6em; }}
code {{ background: #eee; padding: 0 0.2em; }}
img {{ max-width: 100%; }}
</style>
</head>
<body>
{body}
</body>
</html>
""")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
