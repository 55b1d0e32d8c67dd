-- wrk: each connection posts fresh bid codes as one of the logged-in bidders in sessions.lua.
local sessions = dofile(os.getenv("QUILLMERE_SESSIONS"))
local blocks = {2, 30, 10, 20, 16, 6, 9, 36, 1}
local layout = {{"B",1},{"S",5},{"B",2},{"S",1},{"B",3},{"S",4},{"B",4},{"S",8},{"B",7},{"S",10},
  {"B",5},{"S",2},{"B",6},{"S",7},{"S",6},{"B",8},{"S",3},{"C",0},{"S",9},{"B",9}}
local function mirror(c) return string.char(105 - c:byte()) end
local function digits(n)
  local t = {}
  for i = 1, n do t[i] = string.char(48 + math.random(0, 9)) end
  return table.concat(t)
end
local function code(score)
  local s = tostring(score)
  s = string.rep("0", 10 - #s) .. s
  local f = {}
  for i = 1, 9 do f[i] = digits(blocks[i]) end
  local out = {}
  for _, piece in ipairs(layout) do
    local kind, n = piece[1], piece[2]
    if kind == "B" then out[#out + 1] = f[n]
    elseif kind == "S" then out[#out + 1] = mirror(s:sub(n, n))
    else out[#out + 1] = (table.concat(f, "", 1, 6):gsub(".", mirror)) end
  end
  return table.concat(out)
end

local counter = 0
function setup(thread)
  counter = counter + 1
  thread:set("id", counter)
end
function init()
  math.randomseed(os.time() * 100 + id)
  session = sessions[(id - 1) % #sessions + 1]
end
function request()
  local body = "code=" .. code(math.random(0, 9999999)) .. "&csrf=" .. session.csrf
  return wrk.format("POST", "/quillmere/bid", {
    ["Cookie"] = "qm=" .. session.cookie,
    ["Content-Type"] = "application/x-www-form-urlencoded"}, body)
end
function done(summary)
  io.write(string.format("posts answered other than 2xx/3xx: %d\n", summary.errors.status))
end
