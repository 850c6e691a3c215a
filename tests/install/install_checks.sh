#!/usr/bin/env bash
# One check of the installed tree per call: install_checks.sh CHECK BUILD SOURCE VERSION APP_ID.
# The build tree is installed into a fresh temporary prefix; a check whose tool is missing on
# this machine ends with status 77, which CTest reports as skipped.
set -euo pipefail
check=$1 build=$2 source=$3 version=$4 id=$5

fail() {
  echo "FAILED: $*" >&2
  exit 1
}
skip() {
  echo "skipped: $* is not installed"
  exit 77
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
icon="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
manuals="$prefix/share/man/man1"
survey_type=application/x-kalvora-survey+json
mime_icon=${survey_type/\//-}.svg

case "$check" in
layout)
  # Exactly these files: no static library, header or test program may slip into a package.
  expected=(bin/kalvora bin/kalvora-cli "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg"
    "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/mimetypes/$mime_icon"
    share/man/man1/kalvora.1.gz share/man/man1/kalvora-cli.1.gz
    share/doc/kalvora/copyright share/doc/kalvora/changelog.gz)
  actual=$(cd "$prefix" && find . -type f ! -path './share/kalvora/help/*' | sed 's|^\./||' | sort)
  [ "$actual" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
    fail "installed files differ from the expected ones:$(printf '\n%s' "$actual")"
  for program in kalvora kalvora-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
  done
  if [ -d "$source/help" ]; then
    expected=$(cd "$source/help" && find . -name '*.html' | sort)
    actual=$(cd "$prefix/share/kalvora/help" && find . -name '*.html' | sort)
    [ "$expected" = "$actual" ] || fail "the installed help pages differ from help/"
  fi
  ;;
versions)
  # Every place a user or a package manager reads the version says the project's one.
  [ "$("$prefix/bin/kalvora-cli" --version)" = "kalvora-cli $version" ] || fail "kalvora-cli --version"
  [ "$("$prefix/bin/kalvora" --version)" = "kalvora $version" ] || fail "kalvora --version"
  "$prefix/bin/kalvora" --help | grep -q -- '--version' || fail "kalvora --help does not list --version"
  status=0
  "$prefix/bin/kalvora" --no-such-option >/dev/null 2>&1 || status=$?
  [ "$status" -eq 1 ] || fail "kalvora --no-such-option ended with $status, not 1"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
  zcat "$prefix/share/doc/kalvora/changelog.gz" | head -n 1 | grep -qF "kalvora ($version)" ||
    fail "the changelog does not start with $version"
  for page in kalvora kalvora-cli; do
    zcat "$manuals/$page.1.gz" | grep -q "^\.TH .*\"$page $version\"" || fail "$page(1) is not of $version"
  done
  ;;
desktop_entry)
  command -v desktop-file-validate >/dev/null || skip desktop-file-validate
  desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
  grep -qx 'Exec=kalvora %f' "$desktop" || fail "the entry does not start kalvora with the file"
  grep -qx "MimeType=$survey_type;" "$desktop" || fail "the entry does not open survey files"
  grep -qx "Icon=$id" "$desktop" || fail "the entry's icon is not the installed $id.svg"
  grep -q '^Comment\[es\]=' "$desktop" || fail "the entry has no Spanish comment"
  ;;
metainfo)
  command -v appstreamcli >/dev/null || skip appstreamcli
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refused $metainfo"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the installed desktop entry"
  # The screenshots it names are the ones kept in the repository.
  shots=$(sed -n 's|.*<image>.*/\(docs/screenshots/[^<]*\)</image>.*|\1|p' "$metainfo")
  [ -n "$shots" ] || fail "the metainfo names no screenshot"
  for shot in $shots; do
    [ -f "$source/$shot" ] || fail "$shot is named in the metainfo but not in the repository"
  done
  ;;
mime_type)
  # The survey files are known by their extension and by their content, with their own icon.
  command -v update-mime-database >/dev/null || skip update-mime-database
  update-mime-database "$prefix/share/mime" || fail "update-mime-database refused the media type"
  grep -q "^[0-9]*:$survey_type:\*\.kalvora\$" "$prefix/share/mime/globs2" ||
    fail "*.kalvora is not $survey_type"
  grep -q "kalvora-survey" "$prefix/share/mime/magic" || fail "the content of a survey is not recognised"
  grep -q "<mediatype>$survey_type</mediatype>" "$metainfo" || fail "the metainfo does not name $survey_type"
  ;;
manual_pages)
  command -v man >/dev/null || skip man
  for page in kalvora kalvora-cli; do
    problems=$(MANWIDTH=80 man -l "$manuals/$page.1.gz" 2>&1 >/dev/null || true)
    [ -z "$problems" ] || fail "man -l $page.1.gz: $problems"
  done
  # Every option the command line offers opens a paragraph of its own in the manual page.
  text=$(MANWIDTH=200 man -l "$manuals/kalvora-cli.1.gz" 2>/dev/null)
  for command in evaluate sweep batch survey import export; do
    for option in $("$prefix/bin/kalvora-cli" "$command" --help | grep -oE -- '--[A-Za-z][A-Za-z-]*' | sort -u); do
      grep -qE -- "^ +(-[A-Za-z], )?$option( |\$)" <<<"$text" ||
        fail "kalvora-cli $command $option has no paragraph of its own in kalvora-cli(1)"
    done
    grep -qw "$command" <<<"$text" || fail "kalvora-cli(1) does not describe $command"
  done
  ;;
*)
  fail "unknown check $check"
  ;;
esac
echo "passed: $check"
