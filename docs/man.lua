-- Manual pages: level-one headings in capitals, as man pages spell their sections; tables
-- narrowed so that, with the gaps between their columns, they fit an 80-column terminal.
function Header(h)
  if h.level == 1 then
    return pandoc.walk_block(h, {
      Str = function(s) return pandoc.Str(pandoc.text.upper(s.text)) end
    })
  end
end

-- Pandoc gives a table of relative widths 70 columns in all; the text of a manual page has
-- 71 (man takes 78 of 80, less its indent of 7), and tbl puts 3 between two columns.
function Table(t)
  local scale = (68 - 3 * (#t.colspecs - 1)) / 70
  for _, column in ipairs(t.colspecs) do
    if type(column[2]) == 'number' then
      column[2] = column[2] * scale
    end
  end
  return t
end
